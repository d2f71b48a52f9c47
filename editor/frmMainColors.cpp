// frmMain's Colors menu: each of the page's five colours from the colour dialog.

#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "toolkit/basProcsDialogs.h"

#include <QMenu>
#include <QPushButton>

namespace
{

// A colour of the page and the name of its step in the Edit menu.
struct PageColor {
    ColorProperty property;
    const char* step; // translated in the context "frmMain"
};

// Indexed by ColorsMenuItem: the two keep one order.
constexpr PageColor Colors[] = {
    {{&CWebPage::Backcolor, &CWebPage::SetBackcolor},
     QT_TRANSLATE_NOOP("frmMain", "Background Colour")}, // Background
    {{&CWebPage::Forecolor, &CWebPage::SetForecolor},
     QT_TRANSLATE_NOOP("frmMain", "Text Colour")}, // Text
    {{&CWebPage::LinkColor, &CWebPage::SetLinkColor},
     QT_TRANSLATE_NOOP("frmMain", "Link Colour")}, // Link
    {{&CWebPage::VLinkColor, &CWebPage::SetVLinkColor},
     QT_TRANSLATE_NOOP("frmMain", "Visited Link Colour")}, // Visited
    {{&CWebPage::ALinkColor, &CWebPage::SetALinkColor},
     QT_TRANSLATE_NOOP("frmMain", "Active Link Colour")}, // Active
};
static_assert(std::size(Colors) == mnuColorsActive + 1);

} // namespace

// The Colors menu hangs from the button's bottom-left corner.
void frmMain::cmdColors_Click()
{
    const QRect button = ui.cmdColors->geometry();
    ui.tmnuColors->popup(ui.client->mapToGlobal(QPoint(button.left(), button.bottom() + 1)));
}

// Not previewed here: the new colour shows with the next preview, as every other edit does.
void frmMain::mnuColors_Click(qint16 iIndex)
{
    if (iIndex < 0 || iIndex >= qint16(std::size(Colors)))
        return;
    const PageColor& colour = Colors[iIndex];
    const CWebPage& page = m_document.Page();
    qint32 color = 0;
    if (basProcs::ShowColorDialog(color, this, (page.*colour.property.get)()))
        m_document.PushShown(PageSteps::ChangeColor(page, tr(colour.step), colour.property, color));
}
