#include "editor/frmLink.h"

#include "editor/HomeFolder.h"
#include "editor/HomePictures.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "toolkit/CenterOnScreen.h"
#include "toolkit/MsgBox.h"
#include "toolkit/RunCommand.h"
#include "toolkit/SitePicture.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"
#include "toolkit/WebBrowser.h"

#include <QFile>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

// The client area, in twips.
constexpr int ClientWidth = 6075;
constexpr int ClientHeight = 5685;

} // namespace

frmLink::frmLink(QWidget* parent) : QDialog(parent), m_sitePicture(new SitePicture(this))
{
    setObjectName(u"frmLink"_s);
    m_sitePicture->setObjectName(u"sitePicture"_s);
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

void frmLink::SetTile(int iSide, const QColor& ground)
{
    m_sitePicture->SetTile(iSide, ground);
    ui.cmbImages->SetTile(iSide, ground);
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
    m_sitePicture->Cancel();
    if (iResult != Accepted && !m_fetched.isEmpty()) {
        for (const QString& name : std::as_const(m_fetched))
            QFile::remove(NativePath(HomeFolder(name)));
        emit NewImagesImported();
    }
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
    connect(ui.cmdGetPicture, &QPushButton::clicked, this,
            Command(this, &frmLink::cmdGetPicture_Click));
    connect(m_sitePicture, &SitePicture::Done, this, Command(this, &frmLink::sitePicture_Done));
    connect(m_sitePicture, &SitePicture::Failed, this, Command(this, &frmLink::sitePicture_Failed));
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

// The same button stops a fetch under way; the dialog stays free to use meanwhile.
void frmLink::cmdGetPicture_Click()
{
    if (m_sitePicture->Busy()) {
        m_sitePicture->Cancel();
        return ShowFetching(false);
    }
    const QString address = ui.txtURL->Text().trimmed();
    const QUrl url(address);
    if (!SitePicture::IsWebPage(url)) {
        MsgBox(this, tr("Type the address of a web page first."));
        return;
    }
    m_siteAddress = address;
    ShowFetching(true);
    m_sitePicture->Fetch(url);
}

// The picture is listed by every picker and chosen here; the link takes it with OK. A caption not
// yet typed becomes the page's title.
void frmLink::sitePicture_Done(const QImage& picture)
{
    ShowFetching(false);
    const QString caption = ui.txtTitle->Text().trimmed();
    if ((caption.isEmpty() || caption == u"New Link"_s) && !m_sitePicture->Title().isEmpty())
        ui.txtTitle->SetText(m_sitePicture->Title().trimmed());
    QString name;
    try {
        name = HomePictures(HomeFolder()).WriteSitePicture(picture, m_siteAddress);
    } catch (const Error& error) {
        QString why = error.Description();
        if (why.endsWith(u'.'))
            why.chop(1);
        return sitePicture_Failed(tr("it could not be saved in the pictures folder. ") + why);
    }
    m_fetched.append(name);
    ui.cmbImages->ReloadImagesList();
    ui.cmbImages->ShowPicture(name);
    emit NewImagesImported();
    IgnoringErrors([this] { cmdUpdatePreview_Click(); });
}

void frmLink::sitePicture_Failed(const QString& sReason)
{
    ShowFetching(false);
    MsgBox(this, tr("Could not get a picture from \"%1\": %2.").arg(m_siteAddress, sReason));
}

void frmLink::ShowFetching(bool bFetching)
{
    ui.cmdGetPicture->setText(bFetching ? tr("&Stop") : tr("&Get Picture"));
    if (bFetching)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
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
