// The folders that the platform keeps for the user, looked up by their shell ids.
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QStandardPaths>

namespace
{

struct ShellFolder {
    qint32 id;
    QStandardPaths::StandardLocation location;
};

// The shell ids of the folders that have a standard location on every platform.
constexpr ShellFolder ShellFolders[] = {
    {0x00, QStandardPaths::DesktopLocation},  {0x05, QStandardPaths::DocumentsLocation},
    {0x0D, QStandardPaths::MusicLocation},    {0x0E, QStandardPaths::MoviesLocation},
    {0x27, QStandardPaths::PicturesLocation}, {0x28, QStandardPaths::HomeLocation},
};

} // namespace

namespace basProcs
{

// The flags choose between a folder's current and default path; only the current one is known.
QString GetSpecialFolder(qint32 lFolderId, qint32 /*lFlags*/)
{
    for (const ShellFolder& folder : ShellFolders) {
        if (folder.id == lFolderId)
            return BackslashPath(QStandardPaths::writableLocation(folder.location));
    }
    return QString();
}

QString ExistingOrHomeFolder(const QString& sFolder)
{
    return FolderExists(sFolder)
               ? sFolder
               : BackslashPath(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
}

} // namespace basProcs
