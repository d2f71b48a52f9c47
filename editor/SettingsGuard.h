#pragma once

#include "support/FileStamp.h"

#include <QString>

class QWidget;

// Stands between a window's Save and the settings file it replaces. Another editor window, or
// another program, may have written the file since this window read it: the parent is asked
// before that is overwritten. Every version a save replaces is kept in the history.
class SettingsGuard
{
public:
    // The file as it stands now is the version the window holds: just read, or just written.
    void Remember(const QString& sFile);

    // Whether a save may replace the file. When it has changed since Remember, the parent decides;
    // a file about to be replaced is then kept in the history, and when that fails the parent is
    // told and the save goes on.
    bool MayReplace(QWidget* owner) const;

private:
    QString m_file;
    FileStamp m_stamp;
};
