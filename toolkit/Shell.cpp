#include "toolkit/Shell.h"

#include "support/NativePath.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(const QString& sPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(NativePath(sPath)));
}
