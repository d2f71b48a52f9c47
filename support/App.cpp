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
                    QCoreApplication::translate(
                        "App",
                        "The program cannot start from the folder \"%1\", because a name in that "
                        "path holds the character \"\\\". Move the program's folder to a place "
                        "whose path has no \"\\\" in it, and start it again.")
                        .arg(QDir::toNativeSeparators(native)));
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
