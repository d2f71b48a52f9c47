#include "editor/SettingsGuard.h"

#include "support/Error.h"
#include "support/FileError.h"
#include "support/FileNameParts.h"
#include "support/NativePath.h"
#include "support/SettingsHistory.h"
#include "toolkit/MsgBox.h"

#include <QLockFile>
#include <optional>

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

// Another editor holds the lock while it saves, which may take as long as its user takes to answer
// a question: the lock never goes stale with age, only with the end of the editor that took it. A
// folder where no lock can be made is one where no file can be replaced either: the save goes on
// unlocked and fails with its own reason.
void Lock(QLockFile& lock)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(LockWaitMs) || lock.error() != QLockFile::LockFailedError)
        return;
    throw Error(Error::PathFileAccessError,
                SettingsGuard::tr(
                    "The home page settings are being saved from another editor window, which may "
                    "be waiting for an answer. Nothing was saved here: finish in the other window, "
                    "then save again.") +
                    u"\r\n\r\n"_s +
                    SettingsGuard::tr(
                        "If no other editor window is open, delete the file \"%1\" and save again.")
                        .arg(DisplayPath(lock.fileName())));
}

} // namespace

void SettingsGuard::Remember(const QString& sFile)
{
    m_file = sFile;
    m_stamp = FileStamp::Of(sFile);
    m_read = true;
}

bool SettingsGuard::Replace(QWidget* owner, const std::function<void()>& save)
{
    QLockFile lock(NativePath(LockFileOf(m_file)));
    Lock(lock);
    if (const std::optional<Error> notAFile = FileError::NotAFile(m_file))
        throw Error(notAFile->Number(),
                    notAFile->Description() + u"\r\n\r\n"_s +
                        tr("Nothing was saved. Move it away or give it another name, then save "
                           "again."));
    const FileStamp now = FileStamp::Of(m_file);
    if (!MayReplace(owner, now))
        return false;
    std::optional<Error> notKept;
    try {
        if (now != FileStamp())
            SettingsHistory::Keep(m_file);
    } catch (const Error& error) {
        notKept = error;
    }
    try {
        save();
    } catch (const Error&) {
        // Written before what was made from it failed: the file holds this window's settings.
        if (FileStamp::Of(m_file) != now)
            Remember(m_file);
        throw;
    }
    Remember(m_file);
    if (notKept)
        MsgBox(owner,
               tr("The home page was saved, but the settings it replaced could not be kept as "
                  "an earlier version.") +
                   u"\r\n\r\n"_s + notKept->Description(),
               MsgBoxStyle::Critical);
    return true;
}

bool SettingsGuard::MayReplace(QWidget* owner, const FileStamp& now) const
{
    QString question;
    if (!m_read && now != FileStamp())
        question = tr("The home page settings in \"%1\" could not be read when the editor "
                      "started, so this window does not show them. Replace them with the settings "
                      "in this window?")
                       .arg(DisplayPath(m_file));
    else if (now != m_stamp)
        question = tr("The home page settings were changed by another program after this "
                      "window read them. Replace them with the settings in this window?");
    return question.isEmpty() ||
           MsgBox(owner, question, MsgBoxStyle::YesNo | MsgBoxStyle::Question) == MsgBoxResult::Yes;
}
