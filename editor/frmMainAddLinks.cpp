// frmMain's handlers that bring links in from outside the page: a browser's bookmarks file, the
// addresses on the clipboard, and links dropped on the links list.

#include "editor/HomeFolder.h"
#include "editor/LinkTiles.h"
#include "editor/LinksListModel.h"
#include "editor/SitePicturesBar.h"
#include "editor/frmImportLinks.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/Bookmarks.h"
#include "support/NativePath.h"
#include "support/basProcs.h"
#include "toolkit/MsgBox.h"
#include "toolkit/RunCommand.h"
#include "toolkit/basProcsDialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QShortcut>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace
{

// Where browsers save what they export.
QString BookmarksFolder()
{
    return basProcs::ExistingOrHomeFolder(
        BackslashPath(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)));
}

QSet<QString> Addresses(const Collection& links)
{
    QSet<QString> addresses;
    for (qint32 position = 1; position <= links.Count(); ++position)
        addresses.insert(QAnyStringView(links.Item(position)->MainLink()).toString());
    return addresses;
}

} // namespace

void frmMain::ConnectLinksFromOutside()
{
    auto* paste = new QShortcut(QKeySequence::Paste, ui.lstLinks);
    paste->setContext(Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, Command(this, &frmMain::lstLinks_Paste));
    // Queued, as a dropped row is: the list finishes its drop before its rows are replaced.
    connect(ui.lstLinksRows, &LinksListModel::LinksDropped, this,
            Command(this, &frmMain::lstLinks_LinksDropped), Qt::QueuedConnection);
    connect(m_sitePictures, &SitePicturesBar::PictureFound, this,
            Command(this, &frmMain::SitePictures_PictureFound));
}

void frmMain::ImportLinks()
{
    QString file;
    if (!basProcs::ShowFileDialog(
            file, basProcs::FileOpen, this, tr("Import Links"), BookmarksFolder(),
            tr("Bookmarks") + u",*.html;*.htm;Bookmarks;*.json,"_s + tr("All Files") + u",*.*"_s))
        return;
    const Bookmark bookmarks = Bookmarks::ReadFile(file);
    if (Bookmarks::Count(bookmarks) == 0) {
        MsgBox(this, tr("No bookmarks were found in \"%1\".").arg(DisplayPath(file)));
        return;
    }
    frmImportLinks dialog(bookmarks, Addresses(m_document.Page().Links()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<std::shared_ptr<CWebPage>> added =
        AddLinks(tr("Import Links"), dialog.CheckedLinks(), m_document.Page().Links().Count());
    if (dialog.GetPictures())
        m_sitePictures->Get(added, LinkTiles::PageSide(m_document.Page(), HomeFolder()),
                            LinkTiles::PageGround(m_document.Page()));
}

// The pictures of a batch that come one after the other are one step. Each arrives while the user
// may be typing in a box: only the pickers, the list and the preview are refreshed, and the list
// keeps its chosen row.
void frmMain::SitePictures_PictureFound(const std::shared_ptr<CWebPage>& link,
                                        const QString& sPicture, int iBatch)
{
    m_document.PushShown(
        PageSteps::SetLinkPictures(tr("Link Pictures"), {{link, sPicture}}, iBatch));
    cmbWallpaper_NewImagesImported();
    const QModelIndex chosen = ui.lstLinks->currentIndex();
    FillLinksList();
    if (chosen.isValid())
        ui.lstLinks->setCurrentIndex(ui.lstLinksRows->index(chosen.row()));
    IgnoringErrors([this] { cmdUpdatePreview_Click(); });
}

void frmMain::lstLinks_Paste()
{
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        AddLinks(tr("Paste Links"), LinkTexts::FromClipboard(*data),
                 m_document.Page().Links().Count());
}

void frmMain::lstLinks_LinksDropped(const QList<LinkText>& links, int iBefore)
{
    AddLinks(tr("Drop Links"), links, iBefore);
}

// Puts the links in front of the row iBefore, as many as the page has room for, then shows them
// with the last one chosen, as one step. Those left out are counted for the user. Every link from
// outside the parent's keyboard comes in here, made safe for the child's page.
QList<std::shared_ptr<CWebPage>> frmMain::AddLinks(const QString& sStep,
                                                   const QList<LinkText>& links, int iBefore)
{
    const qsizetype added =
        std::min<qsizetype>(links.size(), Collection::MaxCount - m_document.Page().Links().Count());
    QList<std::shared_ptr<CWebPage>> newLinks;
    for (qsizetype i = 0; i < added; ++i) {
        auto link = std::make_shared<CWebPage>();
        const LinkText safe = LinkTexts::FromOutside(links.at(i).caption, links.at(i).address);
        link->SetMode(CWebPage::LinkRecord);
        link->SetName(safe.caption);
        link->SetMainLink(safe.address);
        newLinks.append(link);
    }
    if (added > 0)
        m_document.Push(PageSteps::InsertLinks(sStep, newLinks, iBefore + 1));
    const qsizetype left = links.size() - added;
    if (left > 0)
        MsgBox(this, (left == 1 ? tr("A page holds at most %1 links, so 1 link was left out.")
                                : tr("A page holds at most %1 links, so %2 links were left out."))
                         .arg(QString::number(Collection::MaxCount), QString::number(left)));
    return newLinks;
}
