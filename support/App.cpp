#include "support/App.h"

#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace
{

QString& OverriddenPath()
{
    static QString path;
    return path;
}

} // namespace

namespace App
{

QString Path()
{
    if (!OverriddenPath().isEmpty())
        return OverriddenPath();
    return BackslashPath(QCoreApplication::applicationDirPath());
}

QString File(const QString& sRelative)
{
    return basProcs::AddBackslash(Path()) + sRelative;
}

void SetPath(const QString& sPath)
{
    OverriddenPath() = sPath;
}

QString Title()
{
    return u"QzBrowser Editor"_s;
}

} // namespace App
