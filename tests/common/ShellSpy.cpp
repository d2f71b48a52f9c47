#include "common/ShellSpy.h"

#include <QDesktopServices>

ShellSpy::ShellSpy(const QString& sScheme) : m_scheme(sScheme)
{
    QDesktopServices::setUrlHandler(m_scheme, this, "Open");
}

ShellSpy::~ShellSpy()
{
    QDesktopServices::unsetUrlHandler(m_scheme);
}

void ShellSpy::Open(const QUrl& url)
{
    opened.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
}
