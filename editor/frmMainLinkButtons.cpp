// frmMain's handlers of the links list's buttons: Add, Edit, Delete, Move Up and Move Down, and
// the list's own double-click and drag.

#include "editor/HomeFolder.h"
#include "editor/LinkTiles.h"
#include "editor/frmLink.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "toolkit/ControlArray.h"
#include "toolkit/RunCommand.h"

#include <QListView>
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

} // namespace

void frmMain::cmdLink_Click(qint16 iIndex)
{
    const QListView* list = ui.lstLinks;
    const int selected = ListIndex(list);
    if (NothingToDo(iIndex, selected, ListCount(list)))
        return;
    switch (iIndex) {
    case cmdLinkAdd:
        AddLink();
        break;
    case cmdLinkEdit:
        EditLink(ItemData(list, selected));
        break;
    case cmdLinkDel:
        m_document.Push(PageSteps::RemoveLink(m_document.Page(), ItemData(list, selected)));
        break;
    case cmdLinkUp:
    case cmdLinkDown: {
        const int neighbour = iIndex == cmdLinkUp ? selected - 1 : selected + 1;
        m_document.Push(PageSteps::MoveLink(ItemData(list, selected), ItemData(list, neighbour)));
        break;
    }
    }
}

// "New Link" is on the page before the dialog opens, and stays however the dialog closes. The
// step holds the link itself, so that Undo and Redo take and bring back what the dialog's OK
// wrote into it.
void frmMain::AddLink()
{
    auto link = std::make_shared<CWebPage>();
    link->SetMode(CWebPage::LinkRecord);
    // The caption is the page's text, the same in every language, as the file and the page are.
    link->SetName(u"New Link"_s);
    Collection& links = m_document.Page().Links();
    m_document.Push(PageSteps::InsertLinks(tr("Add Link"), {link}, links.Count() + 1));
    const qint32 position = links.Count();
    ShowLinkDialog(link);
    // Already in the Add step: this only shows it.
    m_document.Push(PageSteps::EditLink(m_document.Page(), position, LinkFields::Of(*link)));
}

// The dialog writes into the link in place; Cancel leaves it as it was, which is no step.
void frmMain::EditLink(qint32 iPosition)
{
    const std::shared_ptr<CWebPage> link = m_document.Page().Links().Item(iPosition);
    const LinkFields before = LinkFields::Of(*link);
    ShowLinkDialog(link);
    m_document.Push(PageSteps::EditLink(m_document.Page(), iPosition, before));
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
    m_document.Push(PageSteps::MoveLink(ItemData(ui.lstLinks, iRow), ItemData(ui.lstLinks, row)));
}

void frmMain::ShowLinkDialog(const std::shared_ptr<CWebPage>& link)
{
    frmLink dialog(this);
    // A picture that the dialog brings into the folder is listed here at once too.
    connect(&dialog, &frmLink::NewImagesImported, this,
            Command(this, &frmMain::cmbWallpaper_NewImagesImported));
    dialog.SetWebPage(link);
    dialog.SetTile(LinkTiles::PageSide(m_document.Page(), HomeFolder()),
                   LinkTiles::PageGround(m_document.Page()));
    dialog.UpdateFields();
    dialog.exec();
}
