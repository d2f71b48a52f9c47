#pragma once

#include "editor/PageCommands.h"
#include "editor/RecoveryCopy.h"
#include "editor/SettingsGuard.h"
#include "editor/frmMainControls.h"
#include "support/LinkText.h"
#include "toolkit/TabOrder.h"

#include <QMainWindow>
#include <QString>
#include <QUndoStack>
#include <memory>

class CWebPage;
class LinkPictures;

// The home page editor: the page's fields on the left, its preview on the right. An edit reaches
// the page only when its control loses the focus, which is why the File menu moves the focus
// before it acts (a click on a button moves it anyway). Save writes home\qzhome.dat, then
// home\qzhome.html. Closing always asks whether to save; a save that fails keeps the window.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // For when the page has changed behind the controls' back: loading, the links commands. A step
    // that fails is passed over, so that the others still show the page.
    void UpdateFields();
    // The page as the last committed edit left it.
    const CWebPage& Page() const { return *m_page; }

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
    void SaveHomePage();
    void OfferRecoveryCopy();
    // Puts the copy of unsaved changes among the earlier versions, out of home; returns its path.
    QString KeepRecoveryCopy();
    void mnuEdit_Click(qint16 iIndex);
    // Every change of the page goes through here, to be undone and redone; null is no change.
    void PushStep(std::unique_ptr<QUndoCommand> step);
    void ShowStep(int iRow);

    // The links buttons and the Colors menu, in frmMainCommands.cpp.
    void cmdLink_Click(qint16 iIndex);
    void lstLinks_DblClick();
    void lstLinks_DragDrop(int iRow, int iBefore);
    void EditLink(const std::shared_ptr<CWebPage>& link);
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
    void LinkPictures_PictureFound(const std::shared_ptr<CWebPage>& link, const QString& sPicture,
                                   int iBatch);
    // Every link's picture a tile of the page's side, in frmMainLinkTiles.cpp.
    void MakeLinkPicturesMatch();

    // The page taken along in one file, in frmMainPageArchive.cpp.
    void ExportPage();
    void ImportPage();

    frmMainControls ui;
    TabOrder m_tabOrder;
    std::shared_ptr<CWebPage> m_page;
    // Lasts as long as the window: Save does not clear it, and its clean state, where the page is
    // as last read or saved, only tells when a copy of unsaved changes is needed.
    QUndoStack m_history;
    StepTarget m_steps;
    RecoveryCopy m_recovery;
    SettingsGuard m_settingsGuard;
    LinkPictures* m_linkPictures;
    // Whether the last Save wrote both files; a closing window stays open when it did not.
    bool m_saved = false;
};
