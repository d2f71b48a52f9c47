#include "toolkit/Shell.h"

#include "support/NativePath.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(const QString& sPath)
{
    ShellOpen(QUrl::fromLocalFile(NativePath(sPath)));
}

void ShellOpen(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
