#include "editor/SettingsGuard.h"

#include "support/FileError.h"
#include "support/FileNameParts.h"
#include "support/NativePath.h"
#include "support/SettingsHistory.h"

#include <QLockFile>

using namespace Qt::StringLiterals;

namespace
{

// Long enough for another editor's save, short enough to wait for.
constexpr int LockWaitMs = 2000;

// Beside the settings file: "qzhome.lock".
QString LockFileOf(const QString& sFile)
{
    const FileNameParts parts = FileNameParts::Of(sFile);
    return parts.folder + parts.stem + u".lock"_s;
}

} // namespace

void SettingsGuard::Remember(const QString& sFile)
{
    m_file = sFile;
    m_stamp = FileStamp::Of(sFile);
    m_read = true;
}

// Another editor holds the lock while it saves, which may take as long as its user takes to answer
// a question: the lock never goes stale with age, only with the end of the editor that took it. A
// folder where no lock can be made is one where no file can be replaced either: the save goes on
// unlocked and fails with its own reason.
std::unique_ptr<QLockFile> SettingsGuard::Lock() const
{
    auto lock = std::make_unique<QLockFile>(NativePath(LockFileOf(m_file)));
    lock->setStaleLockTime(0);
    if (lock->tryLock(LockWaitMs) || lock->error() != QLockFile::LockFailedError)
        return lock;
    throw Error(Error::PathFileAccessError,
                tr("The home page settings are being saved from another editor window, which may "
                   "be waiting for an answer. Nothing was saved here: finish in the other window, "
                   "then save again.") +
                    u"\r\n\r\n"_s +
                    tr("If no other editor window is open, delete the file \"%1\" and save again.")
                        .arg(DisplayPath(lock->fileName())));
}

SettingsGuard::Found SettingsGuard::Check()
{
    if (const std::optional<Error> notAFile = FileError::NotAFile(m_file))
        throw Error(notAFile->Number(),
                    notAFile->Description() + u"\r\n\r\n"_s +
                        tr("Nothing was saved. Move it away or give it another name, then save "
                           "again."));
    m_checked = FileStamp::Of(m_file);
    if (!m_read && m_checked != FileStamp())
        return Found::NotRead;
    return m_checked != m_stamp ? Found::ChangedSince : Found::AsRead;
}

std::optional<Error> SettingsGuard::KeepEarlier() const
{
    try {
        if (m_checked != FileStamp())
            SettingsHistory::Keep(m_file);
    } catch (const Error& error) {
        return error;
    }
    return std::nullopt;
}

// A write that failed after the settings file was written, in what was made from it, leaves the
// file holding this window's settings.
void SettingsGuard::Written(bool bWhole)
{
    if (bWhole || FileStamp::Of(m_file) != m_checked)
        Remember(m_file);
}
