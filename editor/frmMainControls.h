#pragma once

#include <QCoreApplication>
#include <QList>
#include <QtGlobal>

class ControlArray;
class LinksListModel;
class QFrame;
class QLabel;
class QListView;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class TextBox;
class WebBrowser;
class usrHomeImages;

// The indices of the window's control arrays, which their handlers dispatch on.
enum LinkButton : qint16 { cmdLinkAdd, cmdLinkEdit, cmdLinkDel, cmdLinkUp, cmdLinkDown };
enum FileMenuItem : qint16 {
    mnuFileSave = 10,
    mnuFileSaveEnd = 15,
    mnuFileImport = 16,
    mnuFileOpenFolder = 17,
    mnuFileImportLinks = 18,
    mnuFileExitAbove = 19,
    mnuFileExit = 20,
    mnuFileCheckLinks = 21,
    mnuFileExportPage = 22,
    mnuFileImportPage = 23
};
enum EditMenuItem : qint16 {
    mnuEditUndo,
    mnuEditRedo,
    mnuEditPicturesMatchAbove,
    mnuEditPicturesMatch
};
// Each item indexes the colour table in frmMainColors.cpp.
enum ColorsMenuItem : qint16 {
    mnuColorsBackground,
    mnuColorsText,
    mnuColorsLink,
    mnuColorsVisited,
    mnuColorsActive
};

// The controls of the home page editor window, each at its place in twips in the client area,
// with its caption, font, tab order and objectName. The window owns them all; this only builds
// them and keeps pointers to them, as a Designer form class does.
class frmMainControls
{
    // Its texts are the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    void SetupUi(QMainWindow* window);
    // Undo or Redo named for its step ("Undo Delete Link"), and disabled when there is none.
    void ShowEditStep(EditMenuItem iItem, const QString& sStep) const;

    QWidget* client = nullptr;
    QLabel* lblTitle = nullptr;
    TextBox* txtTitle = nullptr;
    QLabel* lblName = nullptr;
    TextBox* txtName = nullptr;
    QLabel* lblWallpaper = nullptr;
    usrHomeImages* cmbWallpaper = nullptr;
    QLabel* Label1 = nullptr;
    usrHomeImages* cmbMouseTrails = nullptr;
    QPushButton* cmdColors = nullptr;
    QLabel* picColor = nullptr;
    QLabel* lblLinks = nullptr;
    // The ItemData of a row is its data in Qt::UserRole. Its rows come from lstLinksRows.
    QListView* lstLinks = nullptr;
    LinksListModel* lstLinksRows = nullptr;
    ControlArray* cmdLink = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdUpdatePreview = nullptr;
    WebBrowser* ieBrowser = nullptr;

    QMenu* tmnuFile = nullptr;
    ControlArray* mnuFile = nullptr;
    QMenu* tmnuEdit = nullptr;
    ControlArray* mnuEdit = nullptr;
    // Not in the menu bar: cmdColors pops it up.
    QMenu* tmnuColors = nullptr;
    ControlArray* mnuColors = nullptr;

    // The controls in the order that Tab walks them.
    QList<QWidget*> tabControls;

private:
    void SetupFields();
    void SetupColors();
    void SetupLinks();
    void PlaceControls();
    void SetupMenus(QMainWindow* window);
};
