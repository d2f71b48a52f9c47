#pragma once

#include "support/Error.h"
#include "support/FileStamp.h"

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

// Stands between a window's Save and the settings file it replaces. Another editor window, or
// another program, may have written the file since this window read it, or the window may never
// have read it: the guard finds out, and the window asks the user before that is overwritten. A
// save runs as one step against every other editor: under the lock, the check, the history copy
// and the writing.
class SettingsGuard
{
    Q_DECLARE_TR_FUNCTIONS(SettingsGuard)

public:
    // What stands in the file's place now, against what this window holds.
    enum class Found { AsRead, NotRead, ChangedSince };

    // The file as it stands now is the version the window holds: just read, or just written.
    void Remember(const QString& sFile);
    // The window could not read the file it remembered: a save asks before it replaces it.
    void MarkUnread() { m_read = false; }
    const QString& File() const { return m_file; }

    // Held for the whole of a save. An Error when another editor is saving.
    [[nodiscard]] std::unique_ptr<QLockFile> Lock() const;
    // An Error when something other than a file stands in the file's place.
    Found Check();
    // Keeps the version about to be replaced among the earlier ones; the reason when it could not.
    std::optional<Error> KeepEarlier() const;
    // After the writing, whether it failed or not.
    void Written(bool bWhole);

private:
    QString m_file;
    FileStamp m_stamp;
    // The file as Check found it.
    FileStamp m_checked;
    bool m_read = true;
};
