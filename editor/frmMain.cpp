#include "editor/frmMain.h"

#include "editor/HomeFolder.h"
#include "editor/LinksListModel.h"
#include "editor/SitePicturesBar.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"
#include "support/DamagedFile.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "support/SettingsHistory.h"
#include "toolkit/CenterOnScreen.h"
#include "toolkit/ControlArray.h"
#include "toolkit/LostFocus.h"
#include "toolkit/MsgBox.h"
#include "toolkit/RunCommand.h"
#include "toolkit/Shell.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"
#include "toolkit/WebBrowser.h"

#include <QDir>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace
{

constexpr int ClientWidth = 8940;
constexpr int ClientHeight = 6675;
// About a title bar's height down and right, so that both windows' titles show.
constexpr int OtherEditorOffset = 480;

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_recovery(HomeFolder(u"qzhome-unsaved.dat"_s)),
      m_sitePictures(new SitePicturesBar(this))
{
    Q_INIT_RESOURCE(editor_art);
    ui.SetupUi(this);
    setStatusBar(m_sitePictures);
    setWindowTitle(tr("Zellow's Browser Home Page Editor"));
    QIcon icon(u":/editor/qzeditor.xpm"_s);
    icon.addFile(u":/editor/qzeditor-16.xpm"_s);
    setWindowIcon(icon);
    resize(Twips::ToPixels(ClientWidth),
           Twips::ToPixels(ClientHeight) + menuBar()->sizeHint().height());
    ConnectEvents();
    Form_Load();
    const int offset = m_recovery.HeldElsewhere() ? Twips::ToPixels(OtherEditorOffset) : 0;
    CenterOnScreen(this, QPoint(offset, offset));
    m_tabOrder.SetControls(ui.tabControls);
}

// Every handler runs as a command: a failure it does not handle is shown to the user.
void frmMain::ConnectEvents()
{
    OnLostFocus(ui.txtTitle, Command(this, &frmMain::txtTitle_LostFocus));
    OnLostFocus(ui.txtName, Command(this, &frmMain::txtName_LostFocus));
    OnLostFocus(ui.cmbWallpaper, Command(this, &frmMain::cmbWallpaper_LostFocus));
    OnLostFocus(ui.cmbMouseTrails, Command(this, &frmMain::cmbMouseTrails_LostFocus));
    // A picture imported through either picker is listed in both.
    for (usrHomeImages* picker : {ui.cmbWallpaper, ui.cmbMouseTrails})
        connect(picker, &usrHomeImages::NewImagesImported, this,
                Command(this, &frmMain::cmbWallpaper_NewImagesImported));
    connect(ui.cmdUpdatePreview, &QPushButton::clicked, this,
            Command(this, &frmMain::cmdUpdatePreview_Click));
    connect(ui.mnuFile, &ControlArray::Click, this, Command(this, &frmMain::mnuFile_Click));
    connect(ui.mnuEdit, &ControlArray::Click, this, Command(this, &frmMain::mnuEdit_Click));
    connect(&m_document, &PageDocument::HistoryMoved, this, &frmMain::Document_HistoryMoved);
    connect(&m_document, &PageDocument::Changed, this, &frmMain::Document_Changed);
    connect(ui.cmdLink, &ControlArray::Click, this, Command(this, &frmMain::cmdLink_Click));
    connect(ui.lstLinks, &QListView::doubleClicked, this,
            Command(this, &frmMain::lstLinks_DblClick));
    // Queued: the list finishes its drop before its rows are replaced.
    connect(ui.lstLinksRows, &LinksListModel::RowDropped, this,
            Command(this, &frmMain::lstLinks_DragDrop), Qt::QueuedConnection);
    connect(ui.cmdColors, &QPushButton::clicked, this, Command(this, &frmMain::cmdColors_Click));
    connect(ui.mnuColors, &ControlArray::Click, this, Command(this, &frmMain::mnuColors_Click));
    ui.client->installEventFilter(this);
    ConnectLinksFromOutside();
}

void frmMain::Form_Load()
{
    ui.cmbWallpaper->SetImagesPath(HomeFolder());
    ui.cmbMouseTrails->SetImagesPath(HomeFolder());
    // Read at start, written by Save, and watched for changes by other programs in between. Taken
    // before reading: a change made while the file is read is a change a Save asks about.
    m_settingsGuard.Remember(HomeFolder(u"qzhome.dat"_s));
    LoadSettingsOrReport(m_settingsGuard.File());
    UpdateFields();
    if (m_recovery.TakeOver())
        QTimer::singleShot(0, this, [this] { RunCommand(this, [this] { OfferRecoveryCopy(); }); });
    else if (m_recovery.HeldElsewhere())
        TellOfOtherEditor();
}

// A second window on the same page stands off the first, so that the user sees both and knows
// which one is typed into.
void frmMain::TellOfOtherEditor()
{
    QTimer::singleShot(0, this, [this] {
        MsgBox(this,
               tr("Another editor window has this home page open. Close one of them, or the one "
                  "saved last replaces the other's changes."),
               MsgBoxStyle::Exclamation);
    });
}

// The copy that an editor which ended without closing left: shown unsaved, or kept among the
// earlier versions, so that nothing is lost either way.
void frmMain::OfferRecoveryCopy()
{
    if (MsgBox(this,
               tr("The editor ended without closing last time, and the home page had changes that "
                  "were not saved. Show those changes?"),
               MsgBoxStyle::YesNo | MsgBoxStyle::Question) != MsgBoxResult::Yes) {
        KeepRecoveryCopy();
        return;
    }
    // Read apart first: a copy cut short, or not the editor's, must leave the saved page whole.
    CWebPage copy;
    try {
        copy.LoadSettings(m_recovery.File());
    } catch (const Error& error) {
        const QString kept = KeepRecoveryCopy();
        throw Error(error.Number(),
                    tr("The copy of the changes that were not saved is damaged, so the editor "
                       "shows the page as it was last saved.") +
                        u"\r\n\r\n"_s + error.Description() + u"\r\n\r\n"_s +
                        tr("The copy has been kept as \"%1\".").arg(DisplayPath(kept)));
    }
    m_document.Page() = std::move(copy);
    // No step brings back the saved page now: the copy stays until Save or a close.
    m_document.MarkUnsaved();
    UpdateFields();
}

QString frmMain::KeepRecoveryCopy()
{
    const QString kept = SettingsHistory::Keep(m_recovery.File());
    m_recovery.Remove();
    return kept;
}

// A first run has no settings file: the page starts new, in a home folder made for it. A file
// that cannot be read leaves the page new, and a save asks before it replaces the file; one that
// cannot be read whole is set aside. The user is told once the window is up.
void frmMain::LoadSettingsOrReport(const QString& sFile)
{
    QString message;
    try {
        std::optional<Error> unread;
        m_document.Page().LoadSettings(sFile, &unread);
        if (!unread)
            return;
        message = DamagedFile::SetAside(sFile, *unread);
    } catch (const Error& error) {
        switch (error.Number()) {
        case Error::FileNotFound:
        case Error::PathNotFound:
            QDir().mkpath(NativePath(HomeFolder()));
            return;
        case Error::PermissionDenied:
        case Error::PathFileAccessError:
            m_document.StartNewPage();
            m_settingsGuard.MarkUnread();
            message = tr("The home page settings could not be read, so the editor starts on a new "
                         "page.") +
                      u"\r\n\r\n"_s + error.Description();
            break;
        default:
            message = DamagedFile::SetAside(sFile, error);
        }
    }
    QTimer::singleShot(0, this, [this, message] { MsgBox(this, message, MsgBoxStyle::Critical); });
}

void frmMain::UpdateFields()
{
    const CWebPage& page = m_document.Page();
    IgnoringErrors([this] { ui.cmbWallpaper->SetListIndex(0); });
    IgnoringErrors([this] { ui.cmbMouseTrails->SetListIndex(0); });
    ui.txtTitle->SetText(page.Title());
    ui.txtName->SetText(page.Name());
    ui.cmbWallpaper->ShowPicture(page.Wallpaper());
    ui.cmbMouseTrails->ShowPicture(page.MouseTrails());
    FillLinksList();
    IgnoringErrors([this] { cmdUpdatePreview_Click(); });
}

// The list reads its rows from the page's links as it shows them.
void frmMain::FillLinksList()
{
    ui.lstLinksRows->SetLinks(&m_document.Page().Links());
}

void frmMain::txtTitle_LostFocus()
{
    m_document.PushShown(PageSteps::ChangeText(m_document.Page(), tr("Page Title"),
                                               {&CWebPage::Title, &CWebPage::SetTitle},
                                               ui.txtTitle->Text()));
}

void frmMain::txtName_LostFocus()
{
    m_document.PushShown(PageSteps::ChangeText(m_document.Page(), tr("Name On Page"),
                                               {&CWebPage::Name, &CWebPage::SetName},
                                               ui.txtName->Text()));
}

void frmMain::cmbWallpaper_LostFocus()
{
    m_document.PushShown(PageSteps::ChangeText(m_document.Page(), tr("Wallpaper"),
                                               {&CWebPage::Wallpaper, &CWebPage::SetWallpaper},
                                               ui.cmbWallpaper->PictureName()));
}

void frmMain::cmbMouseTrails_LostFocus()
{
    m_document.PushShown(PageSteps::ChangeText(m_document.Page(), tr("Mouse Trails"),
                                               {&CWebPage::MouseTrails, &CWebPage::SetMouseTrails},
                                               ui.cmbMouseTrails->PictureName()));
}

void frmMain::cmbWallpaper_NewImagesImported()
{
    ui.cmbWallpaper->ReloadImagesList();
    ui.cmbMouseTrails->ReloadImagesList();
}

void frmMain::cmdUpdatePreview_Click()
{
    const QString path = HomeFolder(u"qzhometmp.html"_s);
    m_document.Page().GeneratePage(path);
    ui.ieBrowser->Navigate(path);
}

// A menu takes no focus, so the field being edited still has it: moving it commits the edit.
void frmMain::CommitEdit()
{
    ui.cmdUpdatePreview->setFocus();
}

void frmMain::mnuFile_Click(qint16 iIndex)
{
    CommitEdit();
    switch (iIndex) {
    case mnuFileSave:
        SaveHomePage();
        break;
    case mnuFileImport:
        ui.cmbWallpaper->ImportPicture();
        break;
    case mnuFileOpenFolder:
        ShellOpen(HomeFolder());
        break;
    case mnuFileImportLinks:
        ImportLinks();
        break;
    case mnuFileCheckLinks:
        CheckLinks();
        break;
    case mnuFileExportPage:
        ExportPage();
        break;
    case mnuFileImportPage:
        ImportPage();
        break;
    case mnuFileExit:
        close();
        break;
    default:
        break;
    }
}

// As the File menu does, the field being edited is committed first: Undo takes that back first.
void frmMain::mnuEdit_Click(qint16 iIndex)
{
    CommitEdit();
    if (iIndex == mnuEditUndo)
        m_document.Undo();
    else if (iIndex == mnuEditRedo)
        m_document.Redo();
    else if (iIndex == mnuEditPicturesMatch)
        MakeLinkPicturesMatch();
}

void frmMain::Document_HistoryMoved()
{
    ui.ShowEditStep(mnuEditUndo, m_document.UndoName());
    ui.ShowEditStep(mnuEditRedo, m_document.RedoName());
    // Undo or Redo back to the page last read or saved leaves nothing unsaved to copy.
    if (m_document.IsSaved())
        m_recovery.Remove();
    else
        m_recovery.Keep(&m_document.Page());
    m_sitePictures->Forget(m_document.Page().Links());
}

void frmMain::Document_Changed(int iRow)
{
    UpdateFields();
    if (iRow >= 0)
        ui.lstLinks->setCurrentIndex(ui.lstLinksRows->index(iRow));
}

bool frmMain::focusNextPrevChild(bool bNext)
{
    return m_tabOrder.Move(bNext) || QMainWindow::focusNextPrevChild(bNext);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.client && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

// The left column keeps its layout and the web view takes all the room to its right. A window
// narrower than the column leaves the view at its last size rather than a negative width.
void frmMain::Form_Resize()
{
    WebBrowser* browser = ui.ieBrowser;
    const int width = ui.client->width() - browser->x();
    if (width < 0)
        return;
    browser->setGeometry(browser->x(), browser->y(), width, ui.client->height());
}
