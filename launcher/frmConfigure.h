#pragma once

#include "launcher/frmConfigureControls.h"

#include <QWidget>

// The Control Center, where the program starts: the user picks what to set up, the browser's
// home page or the desktop's programs, or opens the text about the parents' keys. It keeps no
// state: each choice hands over to another window or program.
class frmConfigure : public QWidget
{
    Q_OBJECT

public:
    explicit frmConfigure(QWidget* parent = nullptr);

    void cmdEditBrowser_Click();
    void cmdEditDesktop_Click();
    void lblInfo_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmConfigureControls ui;
};
