// frmMain's Check Links: the dialog, and the steps made from what it found.

#include "editor/HomeFolder.h"
#include "editor/LinksListModel.h"
#include "editor/frmCheckLinks.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/LinkText.h"
#include "toolkit/RunCommand.h"

#include <QListView>
#include <algorithm>

namespace
{

// Where the link stands on the page now; 0 when it is no longer there.
qint32 PositionOf(const Collection& links, const std::shared_ptr<CWebPage>& link)
{
    const auto found = std::find(links.begin(), links.end(), link);
    return found == links.end() ? 0 : qint32(found - links.begin()) + 1;
}

// A step named as the dialog's command that made it.
std::unique_ptr<PageStep> Named(std::unique_ptr<PageStep> step, const QString& sStep)
{
    step->SetName(sStep);
    return step;
}

} // namespace

// One dialog at a time: the command again brings it to the front.
void frmMain::CheckLinks()
{
    if (m_checkLinks) {
        m_checkLinks->raise();
        m_checkLinks->activateWindow();
        return;
    }
    m_checkLinks = new frmCheckLinks(m_document.Page().Links(), HomeFolder(), this);
    connect(ui.lstLinksRows, &QAbstractItemModel::modelReset, m_checkLinks,
            &frmCheckLinks::PageChanged);
    connect(m_checkLinks, &frmCheckLinks::EditRequested, this,
            Command(this, &frmMain::CheckLinks_Edit));
    connect(m_checkLinks, &frmCheckLinks::RemoveRequested, this,
            Command(this, &frmMain::CheckLinks_Remove));
    connect(m_checkLinks, &frmCheckLinks::NewAddressRequested, this,
            Command(this, &frmMain::CheckLinks_UseNewAddress));
    m_checkLinks->show();
}

// As Edit of the links list, on the link's row.
void frmMain::CheckLinks_Edit(const std::shared_ptr<CWebPage>& link)
{
    if (const qint32 position = PositionOf(m_document.Page().Links(), link)) {
        ui.lstLinks->setCurrentIndex(ui.lstLinksRows->index(position - 1));
        cmdLink_Click(cmdLinkEdit);
    }
}

void frmMain::CheckLinks_Remove(const std::shared_ptr<CWebPage>& link)
{
    if (const qint32 position = PositionOf(m_document.Page().Links(), link)) {
        m_document.Push(
            Named(PageSteps::RemoveLink(m_document.Page(), position), tr("Remove Link")));
    }
}

// The address comes from a site: it goes onto the page as every link from outside does.
void frmMain::CheckLinks_UseNewAddress(const std::shared_ptr<CWebPage>& link,
                                       const QString& sAddress)
{
    const qint32 position = PositionOf(m_document.Page().Links(), link);
    if (!position)
        return;
    const LinkFields before = LinkFields::Of(*link);
    link->SetMainLink(LinkTexts::FromOutside(link->Name(), sAddress).address);
    m_document.Push(
        Named(PageSteps::EditLink(m_document.Page(), position, before), tr("Use New Address")));
}
