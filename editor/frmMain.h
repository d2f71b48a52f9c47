#pragma once

#include "editor/PageDocument.h"
#include "editor/PageSteps.h"
#include "editor/RecoveryCopy.h"
#include "editor/SettingsGuard.h"
#include "editor/frmMainControls.h"
#include "support/LinkText.h"
#include "toolkit/TabOrder.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>

class CWebPage;
class SitePicturesBar;
class frmCheckLinks;

// The home page editor: the page's fields on the left, its preview on the right. An edit reaches
// the page only when its control loses the focus, which is why the File menu moves the focus
// before it acts (a click on a button moves it anyway). Save writes home\qzhome.dat, then
// home\qzhome.html. Closing always asks whether to save; a save that fails keeps the window.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // For when the page has changed behind the controls' back: loading, a step done or undone.
    // Each control is filled on its own: one that fails leaves the others to show the page.
    void UpdateFields();
    // The page as the last committed edit left it.
    const CWebPage& Page() const { return m_document.Page(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool bNext) override;

private:
    void ConnectEvents();

    void Form_Load();
    void LoadSettingsOrReport(const QString& sFile);
    void Form_Resize();
    void FillLinksList();
    void txtTitle_LostFocus();
    void txtName_LostFocus();
    void cmbWallpaper_LostFocus();
    void cmbMouseTrails_LostFocus();
    void cmbWallpaper_NewImagesImported();
    void cmdUpdatePreview_Click();
    void mnuFile_Click(qint16 iIndex);
    void CommitEdit();
    void OfferRecoveryCopy();
    // Puts the copy of unsaved changes among the earlier versions, out of home; returns its path.
    QString KeepRecoveryCopy();
    void TellOfOtherEditor();
    void mnuEdit_Click(qint16 iIndex);
    void Document_HistoryMoved();
    // What every step done, undone or done again shows: the page, and the row of its link.
    void Document_Changed(int iRow);

    // Save and the close, in frmMainSave.cpp.
    bool SaveHomePage();
    bool MayReplaceSettings(SettingsGuard::Found found);
    void WriteHomePage();

    // The links list's buttons, in frmMainLinkButtons.cpp.
    void cmdLink_Click(qint16 iIndex);
    void lstLinks_DblClick();
    void lstLinks_DragDrop(int iRow, int iBefore);
    void AddLink();
    void EditLink(qint32 iPosition);
    void ShowLinkDialog(const std::shared_ptr<CWebPage>& link);

    // The Colors menu, in frmMainColors.cpp.
    void cmdColors_Click();
    void mnuColors_Click(qint16 iIndex);

    // Links from outside the page, in frmMainAddLinks.cpp: a bookmarks file, the clipboard, a drop.
    void ConnectLinksFromOutside();
    void ImportLinks();
    void lstLinks_Paste();
    void lstLinks_LinksDropped(const QList<LinkText>& links, int iBefore);
    // Answers the links added.
    QList<std::shared_ptr<CWebPage>> AddLinks(const QString& sStep, const QList<LinkText>& links,
                                              int iBefore);
    void SitePictures_PictureFound(const std::shared_ptr<CWebPage>& link, const QString& sPicture,
                                   int iBatch);
    // Every link's picture a tile of the page's side, in frmMainLinkTiles.cpp.
    void MakeLinkPicturesMatch();

    // Check Links and what the parent does with its findings, in frmMainCheckLinks.cpp.
    void CheckLinks();
    void CheckLinks_Edit(const std::shared_ptr<CWebPage>& link);
    void CheckLinks_Remove(const std::shared_ptr<CWebPage>& link);
    void CheckLinks_UseNewAddress(const std::shared_ptr<CWebPage>& link, const QString& sAddress);

    // The page taken along in one file, in frmMainPageArchive.cpp.
    void ExportPage();
    void ImportPage();

    frmMainControls ui;
    TabOrder m_tabOrder;
    RecoveryCopy m_recovery;
    SettingsGuard m_settingsGuard;
    PageDocument m_document;
    SitePicturesBar* m_sitePictures;
    QPointer<frmCheckLinks> m_checkLinks;
};
