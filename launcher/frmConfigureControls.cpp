#include "launcher/frmConfigureControls.h"

#include "toolkit/ControlTable.h"

#include <QLabel>
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

void frmConfigureControls::SetupUi(QWidget* window)
{
    Label1 = new QLabel(tr("Select the application you want to configure"), window);
    cmdEditDesktop = GraphicalButton(tr("Desktop"), u":/launcher/desktop.xpm"_s, window);
    cmdEditBrowser = GraphicalButton(tr("Browser"), u":/launcher/browser.xpm"_s, window);
    lblInfo = new QLabel(tr("Click here to find out about parental keys"), window);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    lblInfo->setFont(font);
    lblInfo->setStyleSheet(u"color: #0000FF"_s);
    lblInfo->setCursor(QCursor(QPixmap(u":/launcher/hand.xpm"_s), HandHotSpotX, HandHotSpotY));

    // In tab order: "Desktop" first, so it has the focus when the window opens.
    tabControls = ControlTable::Setup({
        {cmdEditDesktop, u"cmdEditDesktop"_s, {180, 540, 1725, 1410}},
        {Label1, u"Label1"_s, {180, 180, 3750, 240}},
        {cmdEditBrowser, u"cmdEditBrowser"_s, {2070, 540, 1725, 1410}},
        {lblInfo, u"lblInfo"_s, {225, 2160, 3030, 285}},
    });
    ControlTable::ChainTabOrder(tabControls);
}
