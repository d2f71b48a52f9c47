// frmMain's handlers that change the page's links and colours.

#include "editor/HomeFolder.h"
#include "editor/LinkTiles.h"
#include "editor/frmLink.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "toolkit/ControlArray.h"
#include "toolkit/RunCommand.h"
#include "toolkit/basProcsDialogs.h"

#include <QListView>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

// The chosen row, -1 when none is: a row that is only current, as the list makes its first row
// when it takes the focus, is not chosen.
int ListIndex(const QListView* list)
{
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

int ListCount(const QListView* list)
{
    return list->model()->rowCount();
}

// The position in the page's links of the link that a row shows: the one way from a row to its
// link, for every command and the drag.
qint32 ItemData(const QListView* list, int iRow)
{
    return list->model()->index(iRow, 0).data(Qt::UserRole).toInt();
}

// Chooses a row, as a click on it does.
void SetListIndex(QListView* list, int iRow)
{
    list->setCurrentIndex(list->model()->index(iRow, 0));
}

// A command with nothing to work on (Edit with no row chosen, Up on the first row) ends quietly:
// the click was harmless and needs no message.
bool NothingToDo(qint16 iIndex, int iSelected, int iCount)
{
    switch (iIndex) {
    case cmdLinkAdd:
        return false;
    case cmdLinkEdit:
    case cmdLinkDel:
        return iSelected == -1;
    case cmdLinkUp:
        return iSelected <= 0;
    case cmdLinkDown:
        return iSelected == -1 || iSelected == iCount - 1;
    default:
        return true;
    }
}

// A colour of the page and the name of its step in the Edit menu.
struct ColorCommand {
    ColorProperty property;
    const char* step; // translated in the context "frmMain"
};

// Indexed by ColorsMenuItem: the two keep one order.
constexpr ColorCommand Colors[] = {
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

void frmMain::cmdLink_Click(qint16 iIndex)
{
    QListView* list = ui.lstLinks;
    const int selected = ListIndex(list);
    if (NothingToDo(iIndex, selected, ListCount(list)))
        return;
    Collection& links = m_page->Links();
    int remembered = -1;
    switch (iIndex) {
    case cmdLinkAdd: {
        auto link = std::make_shared<CWebPage>();
        link->SetMode(CWebPage::LinkRecord);
        // The caption is the page's text, the same in every language, as the file and the page are.
        link->SetName(u"New Link"_s);
        // One step with what the dialog's OK writes: the link stays however the dialog closes.
        PushStep(PageCommands::InsertLinks(m_steps, tr("Add Link"), {link}, links.Count() + 1));
        UpdateFields();
        EditLink(link);
        remembered = ListCount(list) - 1;
        break;
    }
    case cmdLinkEdit: {
        const qint32 position = ItemData(list, selected);
        const std::shared_ptr<CWebPage> link = links.Item(position);
        const LinkFields before = LinkFields::Of(*link);
        EditLink(link);
        if (LinkFields::Of(*link) != before)
            PushStep(PageCommands::EditLink(m_steps, position, before));
        remembered = selected;
        break;
    }
    case cmdLinkDel:
        PushStep(PageCommands::RemoveLink(m_steps, ItemData(list, selected)));
        break;
    case cmdLinkUp:
    case cmdLinkDown:
        remembered = iIndex == cmdLinkUp ? selected - 1 : selected + 1;
        PushStep(
            PageCommands::MoveLink(m_steps, ItemData(list, selected), ItemData(list, remembered)));
        break;
    }
    UpdateFields();
    if (remembered != -1)
        SetListIndex(list, remembered);
}

void frmMain::lstLinks_DblClick()
{
    cmdLink_Click(cmdLinkEdit);
}

// A row dragged to another place: its link moves there, as Move Up and Move Down move it by one
// place, and its row is chosen again at its new place. Taken out first, it fits on a full page.
void frmMain::lstLinks_DragDrop(int iRow, int iBefore)
{
    const int row = iBefore > iRow ? iBefore - 1 : iBefore;
    if (row == iRow)
        return;
    PushStep(
        PageCommands::MoveLink(m_steps, ItemData(ui.lstLinks, iRow), ItemData(ui.lstLinks, row)));
    UpdateFields();
    SetListIndex(ui.lstLinks, row);
}

void frmMain::EditLink(const std::shared_ptr<CWebPage>& link)
{
    frmLink dialog(this);
    // A picture that the dialog brings into the folder is listed here at once too.
    connect(&dialog, &frmLink::NewImagesImported, this,
            Command(this, &frmMain::cmbWallpaper_NewImagesImported));
    dialog.SetWebPage(link);
    dialog.SetTile(LinkTiles::PageSide(*m_page, HomeFolder()), LinkTiles::PageGround(*m_page));
    dialog.UpdateFields();
    dialog.exec();
}

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
    const ColorCommand& command = Colors[iIndex];
    qint32 color = 0;
    if (basProcs::ShowColorDialog(color, this, (*m_page.*command.property.get)()))
        PushStep(PageCommands::ChangeColor(m_steps, tr(command.step), command.property, color));
}
