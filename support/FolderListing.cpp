#include "support/FolderListing.h"

#include <QFile>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#ifdef Q_OS_WIN

using namespace Qt::StringLiterals;

namespace
{

struct CloseSearch {
    void operator()(HANDLE search) const { FindClose(search); }
};

} // namespace

void ListFolder(const QString& sNativeFolder, const FolderEntryVisitor& visit)
{
    QString pattern = sNativeFolder;
    if (!pattern.endsWith(u'\\'))
        pattern += u'\\';
    pattern += u'*';
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(reinterpret_cast<const wchar_t*>(pattern.utf16()), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const std::unique_ptr<void, CloseSearch> closer(search);
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) ||
            name == u"."_s || name == u".."_s)
            continue;
        visit(name, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &entry));
}

#else

namespace
{

struct CloseFolder {
    void operator()(DIR* dir) const { closedir(dir); }
};

enum class EntryKind { File, Folder, Other };

// The listing itself tells files from folders on most file systems; only a link, or an entry
// of a file system that does not say, costs a look at the entry (following the link).
EntryKind KindOf(DIR* dir, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN: {
        struct stat target {
        };
        if (fstatat(dirfd(dir), entry.d_name, &target, 0) != 0)
            return EntryKind::Other;
        if (S_ISDIR(target.st_mode))
            return EntryKind::Folder;
        return S_ISREG(target.st_mode) ? EntryKind::File : EntryKind::Other;
    }
    default:
        return EntryKind::Other;
    }
}

} // namespace

void ListFolder(const QString& sNativeFolder, const FolderEntryVisitor& visit)
{
    const std::unique_ptr<DIR, CloseFolder> dir(
        opendir(QFile::encodeName(sNativeFolder).constData()));
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        // A leading "." marks a hidden entry, and also "." and ".." themselves.
        if (entry->d_name[0] == '.')
            continue;
        const EntryKind kind = KindOf(dir.get(), *entry);
        if (kind != EntryKind::Other)
            visit(QFile::decodeName(entry->d_name), kind == EntryKind::Folder);
    }
}

#endif
