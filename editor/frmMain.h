#pragma once

#include "editor/SettingsGuard.h"
#include "editor/frmMainControls.h"
#include "toolkit/TabOrder.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class CWebPage;

// The home page editor: the page's fields on the left, a live preview of the page on the right.
// It loads the page from home\qzhome.dat when it is created, copies each edit into the page when
// the edited control loses the input focus, and writes home\qzhome.dat and home\qzhome.html on
// Save. Closing it always asks whether to save first; a save that fails keeps it open.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Copies the page into every control, rebuilds the links list and refreshes the preview.
    // A step that fails is passed over.
    void UpdateFields();

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

    // The links list commands and the colour commands.
    void cmdLink_Click(qint16 iIndex);
    void lstLinks_DblClick();
    void lstLinks_DragDrop(int iRow, int iBefore);
    void EditLink(const std::shared_ptr<CWebPage>& link);
    void cmdColors_Click();
    void mnuColors_Click(qint16 iIndex);

    frmMainControls ui;
    TabOrder m_tabOrder;
    std::shared_ptr<CWebPage> m_page;
    SettingsGuard m_settingsGuard;
    // Whether the last Save wrote both files; a closing window stays open when it did not.
    bool m_saved = false;
};
