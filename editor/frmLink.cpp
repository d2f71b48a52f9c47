#include "editor/frmLink.h"

#include "editor/HomeFolder.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"
#include "toolkit/CenterOnScreen.h"
#include "toolkit/RunCommand.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"
#include "toolkit/WebBrowser.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

// The client area, in twips.
constexpr int ClientWidth = 4665;
constexpr int ClientHeight = 5685;

} // namespace

frmLink::frmLink(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"frmLink"_s);
    setWindowTitle(tr("Link"));
    // A fixed frame with only a close box. Owned by the window that opens it, it gets no task bar
    // button of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));
    ui.SetupUi(this);
    m_tabOrder.SetControls(ui.tabControls);
    CenterOnScreen(this);
    ConnectEvents();
    Form_Load();
}

void frmLink::UpdateFields()
{
    if (m_webPage) {
        ui.txtTitle->SetText(m_webPage->Name());
        ui.txtURL->SetText(m_webPage->MainLink());
        // A picture the folder no longer holds leaves "(None)" chosen.
        ui.cmbImages->ShowPicture(m_webPage->MainPicture());
    }
    // The dialog opens without a preview; the button tells what went wrong when pressed.
    IgnoringErrors([this] { cmdUpdatePreview_Click(); });
}

void frmLink::done(int iResult)
{
    Form_QueryUnload();
    QDialog::done(iResult);
}

bool frmLink::focusNextPrevChild(bool bNext)
{
    return m_tabOrder.Move(bNext) || QDialog::focusNextPrevChild(bNext);
}

// Every handler runs as a command: a failure it does not handle is shown to the user.
void frmLink::ConnectEvents()
{
    connect(ui.cmdUpdatePreview, &QPushButton::clicked, this,
            Command(this, &frmLink::cmdUpdatePreview_Click));
    connect(ui.cmdOK, &QPushButton::clicked, this, Command(this, &frmLink::cmdOK_Click));
    connect(ui.cmdCancel, &QPushButton::clicked, this, Command(this, &frmLink::cmdCancel_Click));
    connect(ui.cmbImages, &usrHomeImages::NewImagesImported, this, &frmLink::NewImagesImported);
}

void frmLink::Form_Load()
{
    ui.cmbImages->SetImagesPath(HomeFolder());
    ui.cmbImages->SetListIndex(0);
}

// Built from the controls on a page of its own, so that Cancel still leaves the link untouched.
void frmLink::cmdUpdatePreview_Click()
{
    CWebPage preview;
    preview.SetMode(CWebPage::LinkRecord);
    preview.SetName(ui.txtTitle->Text());
    preview.SetMainLink(ui.txtURL->Text());
    preview.SetMainPicture(ui.cmbImages->PictureName());
    const QString path = HomeFolder(u"qzhometmp2.html"_s);
    preview.GeneratePage(path);
    ui.ieBrowser->Navigate(path);
}

void frmLink::cmdOK_Click()
{
    if (m_webPage) {
        m_webPage->SetName(ui.txtTitle->Text());
        m_webPage->SetMainLink(ui.txtURL->Text());
        m_webPage->SetMainPicture(ui.cmbImages->PictureName());
    }
    accept();
}

void frmLink::cmdCancel_Click()
{
    reject();
}

void frmLink::Form_QueryUnload()
{
    m_webPage.reset();
}
