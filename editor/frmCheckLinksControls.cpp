#include "editor/frmCheckLinksControls.h"

#include "toolkit/ControlTable.h"

#include <QBoxLayout>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

void frmCheckLinksControls::SetupUi(QDialog* dialog)
{
    lblProgress = new QLabel(dialog);
    barProgress = new QProgressBar(dialog);
    barProgress->setTextVisible(false);
    barProgress->setAccessibleName(tr("Links checked"));
    cmdCancel = new QPushButton(tr("Cancel"), dialog);
    lstFound = new QTreeWidget(dialog);
    lstFound->setAccessibleName(tr("Links found"));
    lstFound->setHeaderLabels({tr("Link"), tr("Address"), tr("Found"), tr("New Address")});
    lstFound->setRootIsDecorated(false);
    lstFound->setUniformRowHeights(true);
    lstFound->header()->resizeSection(CaptionColumn, 160);
    lstFound->header()->resizeSection(AddressColumn, 220);
    lstFound->header()->resizeSection(FoundColumn, 210);
    lblResult = new QLabel(dialog);
    lblResult->setWordWrap(true);
    lblResult->hide();
    cmdEdit = new QPushButton(tr("&Edit..."), dialog);
    cmdRemove = new QPushButton(tr("&Remove"), dialog);
    cmdNewAddress = new QPushButton(tr("Use &New Address"), dialog);
    cmdClose = new QPushButton(tr("Close"), dialog);
    // Enter acts on no link by chance: every action is a button of its own.
    for (QPushButton* button : {cmdCancel, cmdEdit, cmdRemove, cmdNewAddress, cmdClose})
        button->setAutoDefault(false);

    // In tab order.
    tabControls = ControlTable::Setup({
        {lblProgress, u"lblProgress"_s},
        {barProgress, u"barProgress"_s},
        {cmdCancel, u"cmdCancel"_s},
        {lstFound, u"lstFound"_s},
        {lblResult, u"lblResult"_s},
        {cmdEdit, u"cmdEdit"_s},
        {cmdRemove, u"cmdRemove"_s},
        {cmdNewAddress, u"cmdNewAddress"_s},
        {cmdClose, u"cmdClose"_s},
    });
    ControlTable::ChainTabOrder(tabControls);
    LayOut(dialog);
}

void frmCheckLinksControls::LayOut(QDialog* dialog) const
{
    auto* progress = new QHBoxLayout;
    progress->addWidget(lblProgress);
    progress->addWidget(barProgress, 1);
    progress->addWidget(cmdCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdRemove);
    buttons->addWidget(cmdNewAddress);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(progress);
    layout->addWidget(lstFound, 1);
    layout->addWidget(lblResult);
    layout->addLayout(buttons);
}
