// frmMain's handlers that take the whole page along in one ZIP file: to another computer, as a
// copy kept before a big change, or to the other parent.

#include "editor/HomeFolder.h"
#include "editor/frmMain.h"
#include "model/PageArchive.h"
#include "support/basProcs.h"
#include "toolkit/MsgBox.h"
#include "toolkit/basProcsDialogs.h"

using namespace Qt::StringLiterals;

namespace
{

constexpr qint32 DocumentsFolderId = 0x05;

QString PagesFolder()
{
    return basProcs::ExistingOrHomeFolder(basProcs::GetSpecialFolder(DocumentsFolderId, 0));
}

QString ZipFilter()
{
    return frmMain::tr("Exported Pages") + u",*.zip,"_s + frmMain::tr("All Files") + u",*.*"_s;
}

} // namespace

// The page as it stands, its last edit committed by the File menu, not as last saved.
void frmMain::ExportPage()
{
    const CWebPage& page = m_document.Page();
    QString file = PageArchive::FileTitle(page.Title()) + u".zip"_s;
    if (basProcs::ShowFileDialog(file, basProcs::FileSave, this, tr("Export Page"), PagesFolder(),
                                 ZipFilter()))
        PageArchive::Export(page, HomeFolder(), file);
}

// Nothing changes before the parent has seen what the file holds and said Yes; then the pictures
// come into the home folder and the page is replaced as one step, not yet saved.
void frmMain::ImportPage()
{
    QString file;
    if (!basProcs::ShowFileDialog(file, basProcs::FileOpen, this, tr("Import Page"), PagesFolder(),
                                  ZipFilter()))
        return;
    PageArchive::Import incoming = PageArchive::Read(file);
    QString question =
        tr("Import the page \"%1\" with %2 links and %3 pictures? It replaces the page in this "
           "window; Undo brings this page back.")
            .arg(incoming.page.Title(), QString::number(incoming.page.Links().Count()),
                 QString::number(incoming.pictures.size()));
    if (incoming.cleaned > 0)
        question += u' ' + tr("Markup in %1 of its texts will be shown as text.")
                               .arg(QString::number(incoming.cleaned));
    if (MsgBox(this, question, MsgBoxStyle::YesNo | MsgBoxStyle::Question) != MsgBoxResult::Yes)
        return;
    PageArchive::Place(incoming, HomeFolder());
    cmbWallpaper_NewImagesImported();
    m_document.Push(PageSteps::ReplacePage(tr("Import Page"), std::move(incoming.page)));
}
