#pragma once

class ControlArray;
class LinksListModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class WebBrowser;
class usrHomeImages;

// The controls of the home page editor window, each at its place in twips in the client area,
// with its caption, font, tab order and objectName. The window owns them all; this only builds
// them and keeps pointers to them, as a Designer form class does.
class frmMainControls
{
public:
    void SetupUi(QMainWindow* window);
    // The web view makes the widget that takes its focus when it is first given a page: the tab
    // order is set once it has one.
    void SetupTabOrder();

    QWidget* client = nullptr;
    QLabel* lblTitle = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
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
    // Shown only as a pop-up menu under cmdColors, never in the menu bar.
    QMenu* tmnuColors = nullptr;
    ControlArray* mnuColors = nullptr;

private:
    void SetupFields();
    void SetupColors();
    void SetupLinks();
    void SetupMenus(QMainWindow* window);
};
