#include "support/NativePath.h"

#include <QDir>

QString NativePath(const QString& sPath)
{
#ifdef Q_OS_WIN
    return sPath;
#else
    QString native = sPath;
    return native.replace(u'\\', u'/');
#endif
}

QString BackslashPath(const QString& sNative)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(sNative);
#else
    QString path = sNative;
    return path.replace(u'/', u'\\');
#endif
}

QString DisplayPath(const QString& sPath)
{
    return QDir::toNativeSeparators(NativePath(sPath));
}
