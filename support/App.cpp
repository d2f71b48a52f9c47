#include "support/App.h"

#include "support/Error.h"
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QCoreApplication>
#include <QDir>

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
    const QString native =
        OverriddenPath().isEmpty() ? QCoreApplication::applicationDirPath() : OverriddenPath();
    if (QDir::fromNativeSeparators(native).contains(u'\\'))
        throw Error(Error::PathNotFound,
                    u"The program cannot start from the folder \"%1\", because a name in that "
                    u"path holds the character \"\\\". Move the program's folder to a place "
                    u"whose path has no \"\\\" in it, and start it again."_s.arg(
                        QDir::toNativeSeparators(native)));
    return BackslashPath(native);
}

QString File(const QString& sRelative)
{
    return basProcs::AddBackslash(Path()) + sRelative;
}

void SetPath(const QString& sNativePath)
{
    OverriddenPath() = sNativePath;
}

QString Title()
{
    return u"QzBrowser Editor"_s;
}

} // namespace App
