#pragma once

#include <QCoreApplication>
#include <QList>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

// The controls of Import Links with their captions, tab order and objectName, laid out to follow
// the dialog's size. The dialog owns them all; this only builds them and keeps pointers to them,
// as a Designer form class does.
class frmImportLinksControls
{
    // Its texts are the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmImportLinks)

public:
    // The columns of the bookmarks tree.
    enum Column { TitleColumn, AddressColumn, NoteColumn };

    void SetupUi(QDialog* dialog);

    QLabel* lblFind = nullptr;
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdCheckAll = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QTreeWidget* tvwBookmarks = nullptr;
    QCheckBox* chkGetPictures = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdAddLinks = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The controls in the order that Tab walks them.
    QList<QWidget*> tabControls;

private:
    void LayOut(QDialog* dialog) const;
};
