// The procedures that ask the disk whether a path exists or a folder can be written.
#include "support/App.h"
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace
{

// Writes the test line into the file; false for any failure of opening, writing or closing.
bool WriteTestLine(const QString& sFile)
{
    QFile file(NativePath(sFile));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = (App::Title() + u" dir open successful\r\n"_s).toLatin1();
    const bool bWritten = file.write(line) == line.size() && file.flush();
    file.close();
    return bWritten && file.error() == QFileDevice::NoError;
}

} // namespace

namespace basProcs
{

bool PathExists(const QString& sPath)
{
    QString path = sPath;
    if (path.endsWith(u'\\') && path.size() > 3)
        path.chop(1);
    // What still ends in "\" names a root, which is no entry of any folder.
    if (path.isEmpty() || path.endsWith(u'\\'))
        return false;
    // A link counts as an entry even when what it points at is gone.
    const QFileInfo entry(NativePath(path));
    return entry.exists() || entry.isSymLink();
}

bool FolderExists(const QString& sFolder)
{
    // Only for a root is the probe's folder its root. No folder lists a root, so writing in it is
    // the only way to see that it is there.
    const QString probe = AddBackslash(sFolder) + u"foo.$$$"_s;
    if (GetPathPart(probe, PartFolder, false) == GetPathPart(probe, PartRoot, false))
        return IsFolderWritable(sFolder);
    return PathExists(RemoveBackslash(sFolder));
}

bool IsFolderWritable(const QString& sFolder)
{
    const QString testFile = GetTempFile(u"tst"_s, sFolder);
    if (testFile.isEmpty())
        return false;
    // The test file is deleted only once it has been written in full.
    return WriteTestLine(testFile) && QFile::remove(NativePath(testFile));
}

} // namespace basProcs
