#pragma once

#include <QCoreApplication>
#include <QList>

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QWidget;

// The controls of Check Links with their captions, tab order and objectName, laid out to follow
// the dialog's size. The dialog owns them all; this only builds them and keeps pointers to them,
// as a Designer form class does.
class frmCheckLinksControls
{
    // Its texts are the window's own.
    Q_DECLARE_TR_FUNCTIONS(frmCheckLinks)

public:
    // The columns of the links found.
    enum Column { CaptionColumn, AddressColumn, FoundColumn, NewAddressColumn };

    void SetupUi(QDialog* dialog);

    QLabel* lblProgress = nullptr;
    QProgressBar* barProgress = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTreeWidget* lstFound = nullptr;
    QLabel* lblResult = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdNewAddress = nullptr;
    QPushButton* cmdClose = nullptr;

    // The controls in the order that Tab walks them.
    QList<QWidget*> tabControls;

private:
    void LayOut(QDialog* dialog) const;
};
