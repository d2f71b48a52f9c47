#pragma once

#include <QLockFile>
#include <QString>
#include <QTimer>

class CWebPage;

// A copy of the page while it has changes not saved, in the settings file's own form
// ("home\qzhome-unsaved.dat"), so that a crash loses at most the last two seconds of committed
// work. The lock beside it tells a running editor's copy from one left by an editor that ended
// without closing. Only the editor that holds the lock keeps a copy: a second editor on the same
// folder leaves the first one's alone.
class RecoveryCopy
{
public:
    explicit RecoveryCopy(const QString& sFile);

    // Takes the lock when no running editor holds it; true when a copy is there that the editor
    // before left behind.
    bool TakeOver();
    // After TakeOver: whether a running editor on the same folder holds the lock.
    bool HeldElsewhere() const { return m_lock.error() == QLockFile::LockFailedError; }
    const QString& File() const { return m_file; }
    // Writes the page within two seconds, whole or not at all.
    void Keep(const CWebPage* page);
    // Writes the page that Keep was given now rather than later; a copy that cannot be written is
    // left as it was.
    void Write();
    // The page is saved, or closed: no copy is needed.
    void Remove();

private:
    QString m_file;
    QLockFile m_lock;
    QTimer m_timer;
    const CWebPage* m_page = nullptr;
};
