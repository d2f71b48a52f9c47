#include "support/FileStamp.h"

#include "support/NativePath.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::Of(const QString& sFile)
{
    FileStamp stamp;
    const QString native = NativePath(sFile);
    const QFileInfo info(native);
    stamp.m_exists = info.exists();
    if (!stamp.m_exists)
        return stamp;
    stamp.m_size = info.size();
    stamp.m_modified = info.lastModified();
    // Only a file is read: a pipe would wait for a writer for good, a device might never end.
    if (!info.isFile())
        return stamp;
    QFile file(native);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
        stamp.m_digest = hash.result();
    return stamp;
}
