#pragma once

#include "support/FileStamp.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

// Stands between a window's Save and the settings file it replaces. Another editor window, or
// another program, may have written the file since this window read it, or the window may never
// have read it: the user is asked before that is overwritten. Every version a save replaces is
// kept in the history.
class SettingsGuard
{
    Q_DECLARE_TR_FUNCTIONS(SettingsGuard)

public:
    // The file as it stands now is the version the window holds: just read, or just written.
    void Remember(const QString& sFile);
    // The window could not read the file it remembered: a save asks before it replaces it.
    void MarkUnread() { m_read = false; }

    // Runs save, which writes the settings file and then what is made from it, as one step against
    // every other editor: the check for changes, the history copy and the writing. Returns false
    // when the user chose to keep the file as it is. An Error when another editor is saving, when
    // something other than a file stands in the file's place, or from save; a history copy that
    // could not be made is told after a save that succeeds, and only then.
    bool Replace(QWidget* owner, const std::function<void()>& save);

private:
    bool MayReplace(QWidget* owner, const FileStamp& now) const;

    QString m_file;
    FileStamp m_stamp;
    bool m_read = true;
};
