#pragma once

#include <QString>

class CWebPage;

// One change of the page, for Undo and Redo, named for the Edit menu ("Delete Link"). It keeps
// only what it changes, the values before and after or the links it takes out or puts in, and is
// given the page each time it is done or undone. Positions count from 1, as in Links.
class PageStep
{
public:
    explicit PageStep(const QString& sName) : m_name(sName) {}
    virtual ~PageStep() = default;
    PageStep(const PageStep&) = delete;
    PageStep& operator=(const PageStep&) = delete;

    const QString& Name() const { return m_name; }
    void SetName(const QString& sName) { m_name = sName; }
    // Changes the page forward (done) or back (undone) and answers the links list's row to choose
    // afterwards, -1 for none.
    virtual int Apply(CWebPage& page, bool bForward) = 0;
    // A step that leaves the page as it found it, such as an edit cancelled: it is done, so that
    // the window shows the page, but not kept.
    virtual bool ChangesNothing() const { return false; }
    // Whether the step takes in next, done right after it, so that Undo takes back both at once.
    virtual bool Absorb(const PageStep& /*next*/) { return false; }

private:
    QString m_name;
};
