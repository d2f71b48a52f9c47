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

namespace
{

// The hot spot: the fingertip in the hand cursor's picture.
constexpr int HandHotSpotX = 13;
constexpr int HandHotSpotY = 0;

QToolButton* GraphicalButton(const QString& sCaption, const QString& sIcon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(sCaption);
    button->setIcon(QIcon(sIcon));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

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
    CreateControls();
    SetTabOrder();
    CenterOnScreen(this);
}

void frmConfigure::CreateControls()
{
    Label1 = new QLabel(tr("Select the application you want to configure"), this);
    Label1->setObjectName(u"Label1"_s);
    Twips::Place(Label1, 180, 180, 3750, 240);

    cmdEditDesktop = GraphicalButton(tr("Desktop"), u":/launcher/desktop.xpm"_s, this);
    cmdEditDesktop->setObjectName(u"cmdEditDesktop"_s);
    Twips::Place(cmdEditDesktop, 180, 540, 1725, 1410);
    connect(cmdEditDesktop, &QToolButton::clicked, this,
            Command(this, &frmConfigure::cmdEditDesktop_Click));

    cmdEditBrowser = GraphicalButton(tr("Browser"), u":/launcher/browser.xpm"_s, this);
    cmdEditBrowser->setObjectName(u"cmdEditBrowser"_s);
    Twips::Place(cmdEditBrowser, 2070, 540, 1725, 1410);
    connect(cmdEditBrowser, &QToolButton::clicked, this,
            Command(this, &frmConfigure::cmdEditBrowser_Click));

    lblInfo = new QLabel(tr("Click here to find out about parental keys"), this);
    lblInfo->setObjectName(u"lblInfo"_s);
    Twips::Place(lblInfo, 225, 2160, 3030, 285);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    lblInfo->setFont(font);
    lblInfo->setStyleSheet(u"color: #0000FF"_s);
    lblInfo->setCursor(QCursor(QPixmap(u":/launcher/hand.xpm"_s), HandHotSpotX, HandHotSpotY));
    lblInfo->installEventFilter(this);
}

void frmConfigure::SetTabOrder()
{
    // Labels take no focus, so the two buttons are the whole order, "Desktop" first.
    setTabOrder(cmdEditDesktop, cmdEditBrowser);
    cmdEditDesktop->setFocus();
}

bool frmConfigure::eventFilter(QObject* watched, QEvent* event)
{
    // The label reads as a link: a click with the left button, released over it, opens it.
    if (watched == lblInfo && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblInfo->rect().contains(mouse->position().toPoint()))
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
