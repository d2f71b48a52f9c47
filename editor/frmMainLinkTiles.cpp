// frmMain's command that evens out a page whose links' pictures have many sizes.

#include "editor/HomeFolder.h"
#include "editor/LinkTiles.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "toolkit/MsgBox.h"

#include <QFile>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace
{

// A page of a few links is done before a bar would be seen.
constexpr int ProgressAfterMs = 300;

void RemoveAll(const QStringList& names)
{
    for (const QString& name : names)
        QFile::remove(NativePath(HomeFolder(name)));
}

} // namespace

// Each picture that is not a tile of the page's side gets a tile copy beside it, shared by the
// links that show it, as one step. Cancelled or failed, the copies made so far go again and the
// page is as it was.
void frmMain::MakeLinkPicturesMatch()
{
    const QString home = HomeFolder();
    const int side = LinkTiles::PageSide(m_document.Page(), home);
    const QColor ground = LinkTiles::PageGround(m_document.Page());
    QStringList names;
    QHash<QString, QList<std::shared_ptr<CWebPage>>> shownBy;
    for (const std::shared_ptr<CWebPage>& link : m_document.Page().Links()) {
        const QString name = link->MainPicture();
        if (name.isEmpty())
            continue;
        if (!shownBy.contains(name))
            names.append(name);
        shownBy[name].append(link);
    }
    QProgressDialog progress(tr("Making link pictures match..."), tr("Cancel"), 0,
                             int(names.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressAfterMs);
    QStringList made;
    QList<PageSteps::LinkPicture> pictures;
    for (qsizetype i = 0; i < names.size(); ++i) {
        progress.setValue(int(i));
        if (progress.wasCanceled())
            return RemoveAll(made);
        if (LinkTiles::IsTile(home, names.at(i), side))
            continue;
        QString copy;
        try {
            copy = LinkTiles::WriteCopy(home, names.at(i), side, ground);
        } catch (const Error&) {
            RemoveAll(made);
            throw;
        }
        if (copy.isEmpty())
            continue;
        made.append(copy);
        for (const std::shared_ptr<CWebPage>& link : shownBy.value(names.at(i)))
            pictures.append({link, copy});
    }
    progress.setValue(int(names.size()));
    if (pictures.isEmpty()) {
        MsgBox(this, tr("The link pictures already match: each is %1 by %1 pixels.").arg(side));
        return;
    }
    cmbWallpaper_NewImagesImported();
    m_document.Push(PageSteps::SetLinkPictures(tr("Make Link Pictures Match"), pictures));
}
