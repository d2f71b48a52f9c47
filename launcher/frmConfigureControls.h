#pragma once

#include <QCoreApplication>
#include <QList>

class QLabel;
class QToolButton;
class QWidget;

// The controls of the Control Center, each at its place in twips in the client area, with its
// caption, look, tab order and objectName. The window owns them all; this only builds them and
// keeps pointers to them, as a Designer form class does.
class frmConfigureControls
{
    // Its texts are the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmConfigure)

public:
    void SetupUi(QWidget* window);

    QLabel* Label1 = nullptr;
    QToolButton* cmdEditDesktop = nullptr;
    QToolButton* cmdEditBrowser = nullptr;
    QLabel* lblInfo = nullptr;

    // The controls in the order that Tab walks them.
    QList<QWidget*> tabControls;
};
