#include "launcher/frmConfigure.h"

#include "editor/frmMain.h"
#include "support/App.h"
#include "toolkit/CenterOnScreen.h"
#include "toolkit/MsgBox.h"
#include "toolkit/RunCommand.h"
#include "toolkit/Shell.h"
#include "toolkit/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

using namespace Qt::StringLiterals;

frmConfigure::frmConfigure(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    Q_INIT_RESOURCE(launcher_art);
    setObjectName(u"frmConfigure"_s);
    setWindowTitle(tr("Control Center"));
    setWindowIcon(QIcon(u":/launcher/control-center.xpm"_s));
    setFixedSize(Twips::ToPixels(3975), Twips::ToPixels(2595));
    ui.SetupUi(this);
    ui.tabControls.constFirst()->setFocus();
    connect(ui.cmdEditDesktop, &QToolButton::clicked, this,
            Command(this, &frmConfigure::cmdEditDesktop_Click));
    connect(ui.cmdEditBrowser, &QToolButton::clicked, this,
            Command(this, &frmConfigure::cmdEditBrowser_Click));
    ui.lblInfo->installEventFilter(this);
    CenterOnScreen(this);
}

bool frmConfigure::eventFilter(QObject* watched, QEvent* event)
{
    // The label reads as a link: a click with the left button, released over it, opens it.
    if (watched == ui.lblInfo && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ui.lblInfo->rect().contains(mouse->position().toPoint()))
            Command(this, &frmConfigure::lblInfo_Click)();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmConfigure::cmdEditBrowser_Click()
{
    hide();
    // The editor window owns itself from here on: closing it is the end of the program.
    auto* editor = new frmMain();
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
    close();
}

void frmConfigure::cmdEditDesktop_Click()
{
    MsgBox(this, tr("The Desktop Programs folder will now open so you can add shortcuts to it. You "
                    "can drag shortcuts to the folder from your Start Menu."));
    ShellOpen(App::File(u"programs"_s));
    close();
}

void frmConfigure::lblInfo_Click()
{
    ShellOpen(App::File(u"QzDesk Parents Keys.txt"_s));
}
