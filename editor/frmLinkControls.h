#pragma once

#include <QCoreApplication>
#include <QList>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;
class TextBox;
class WebBrowser;
class usrHomeImages;

// The controls of the link dialog, each at its place in twips in the client area, with its
// caption, tab order and objectName. The dialog owns them all; this only builds them and keeps
// pointers to them, as a Designer form class does.
class frmLinkControls
{
    // Its texts are the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmLink)

public:
    void SetupUi(QDialog* form);

    QLabel* lblPicture = nullptr;
    usrHomeImages* cmbImages = nullptr;
    QLabel* lblTitle = nullptr;
    TextBox* txtTitle = nullptr;
    QLabel* lblURL = nullptr;
    TextBox* txtURL = nullptr;
    QPushButton* cmdGetPicture = nullptr;
    QLabel* lblPreview = nullptr;
    QPushButton* cmdUpdatePreview = nullptr;
    WebBrowser* ieBrowser = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The controls in the order that Tab walks them.
    QList<QWidget*> tabControls;
};
