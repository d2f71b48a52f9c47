#include "editor/frmImportLinksControls.h"

#include "toolkit/ControlTable.h"
#include "toolkit/LabelFor.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

void frmImportLinksControls::SetupUi(QDialog* dialog)
{
    lblFind = new QLabel(tr("&Find:"), dialog);
    txtFind = new QLineEdit(dialog);
    LabelFor(lblFind, txtFind);
    cmdCheckAll = new QPushButton(tr("Check &All"), dialog);
    cmdClearAll = new QPushButton(tr("C&lear All"), dialog);
    tvwBookmarks = new QTreeWidget(dialog);
    tvwBookmarks->setAccessibleName(tr("Bookmarks"));
    tvwBookmarks->setHeaderLabels({tr("Bookmark"), tr("Address"), tr("Note")});
    tvwBookmarks->setUniformRowHeights(true);
    tvwBookmarks->header()->resizeSection(TitleColumn, 240);
    tvwBookmarks->header()->resizeSection(AddressColumn, 250);
    chkGetPictures = new QCheckBox(tr("&Get each link's picture from its site"), dialog);
    lblCount = new QLabel(dialog);
    cmdAddLinks = new QPushButton(tr("Add Links"), dialog);
    cmdCancel = new QPushButton(tr("Cancel"), dialog);
    // Enter adds the links from anywhere in the dialog, a button just clicked included; Esc
    // cancels it.
    cmdAddLinks->setDefault(true);
    for (QPushButton* button : {cmdCheckAll, cmdClearAll, cmdCancel})
        button->setAutoDefault(false);

    // In tab order.
    tabControls = ControlTable::Setup({
        {lblFind, u"lblFind"_s},
        {txtFind, u"txtFind"_s},
        {cmdCheckAll, u"cmdCheckAll"_s},
        {cmdClearAll, u"cmdClearAll"_s},
        {tvwBookmarks, u"tvwBookmarks"_s},
        {chkGetPictures, u"chkGetPictures"_s},
        {lblCount, u"lblCount"_s},
        {cmdAddLinks, u"cmdAddLinks"_s},
        {cmdCancel, u"cmdCancel"_s},
    });
    ControlTable::ChainTabOrder(tabControls);
    LayOut(dialog);
}

void frmImportLinksControls::LayOut(QDialog* dialog) const
{
    auto* find = new QHBoxLayout;
    find->addWidget(lblFind);
    find->addWidget(txtFind);
    find->addWidget(cmdCheckAll);
    find->addWidget(cmdClearAll);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCount, 1);
    buttons->addWidget(cmdAddLinks);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(find);
    layout->addWidget(tvwBookmarks, 1);
    layout->addWidget(chkGetPictures);
    layout->addLayout(buttons);
}
