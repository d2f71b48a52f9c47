#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The order in which Tab and Shift+Tab walk a window's controls, round and round. A window hands
// its focusNextPrevChild to Move. The toolkit's own focus chain cannot hold this order: a web view
// passes its focus to a widget that it makes anew for every page it shows, and that widget walks
// the page's links first, then hands the Tab on to its window.
class TabOrder
{
public:
    void SetControls(const QList<QWidget*>& controls);

    // Moves the focus to the control after (or before) the one that holds it, skipping those that
    // cannot take it now; false when the focus is in none of them.
    bool Move(bool bNext) const;

private:
    qsizetype IndexOfFocus() const;

    QList<QPointer<QWidget>> m_controls;
};
