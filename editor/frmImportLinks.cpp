#include "editor/frmImportLinks.h"

#include "support/Bookmarks.h"
#include "toolkit/LabelFor.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace
{

enum Column { TitleColumn, AddressColumn, NoteColumn };
// Whether the bookmark was counted as checked, so that the count follows each change alone.
constexpr int CountedRole = Qt::UserRole;

bool IsBookmark(const QTreeWidgetItem* item)
{
    return item->childCount() == 0 && !item->text(AddressColumn).isNull();
}

// Shows what holds the text, and the whole of a folder whose name does; true when anything shows.
bool Narrow(QTreeWidgetItem* item, const QString& sFind, bool bShowAll)
{
    const bool matches = bShowAll || item->text(TitleColumn).contains(sFind, Qt::CaseInsensitive) ||
                         item->text(AddressColumn).contains(sFind, Qt::CaseInsensitive);
    bool shown = matches;
    for (int i = 0; i < item->childCount(); ++i)
        shown = Narrow(item->child(i), sFind, matches) || shown;
    item->setHidden(!shown);
    return shown;
}

void CollectChecked(const QTreeWidgetItem* item, QList<LinkText>& links)
{
    if (IsBookmark(item) && item->checkState(TitleColumn) == Qt::Checked) {
        const QString address = item->text(AddressColumn);
        const QString title = item->text(TitleColumn);
        links << LinkText{title.isEmpty() ? LinkTexts::HostCaption(address) : title, address};
    }
    for (int i = 0; i < item->childCount(); ++i)
        CollectChecked(item->child(i), links);
}

} // namespace

frmImportLinks::frmImportLinks(const Bookmark& bookmarks, const QSet<QString>& pageAddresses,
                               QWidget* parent)
    : QDialog(parent), m_pageAddresses(pageAddresses)
{
    SetupUi();
    // Built apart and then put in at once: the tree takes thousands of items in one step.
    QTreeWidgetItem all;
    AddEntries(&all, bookmarks);
    tvwBookmarks->addTopLevelItems(all.takeChildren());
    tvwBookmarks->expandAll();
    ShowCount();
    connect(txtFind, &QLineEdit::textChanged, this, &frmImportLinks::txtFind_Change);
    connect(tvwBookmarks, &QTreeWidget::itemChanged, this,
            &frmImportLinks::tvwBookmarks_ItemChanged);
    connect(cmdAddLinks, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmImportLinks::SetupUi()
{
    setObjectName(u"frmImportLinks"_s);
    setWindowTitle(tr("Import Links"));
    auto* lblFind = new QLabel(tr("&Find:"), this);
    txtFind = new QLineEdit(this);
    LabelFor(lblFind, txtFind);
    tvwBookmarks = new QTreeWidget(this);
    tvwBookmarks->setAccessibleName(tr("Bookmarks"));
    tvwBookmarks->setHeaderLabels({tr("Bookmark"), tr("Address"), tr("Note")});
    tvwBookmarks->setUniformRowHeights(true);
    tvwBookmarks->header()->resizeSection(TitleColumn, 240);
    tvwBookmarks->header()->resizeSection(AddressColumn, 250);
    chkGetPictures = new QCheckBox(tr("&Get each link's picture from its site"), this);
    lblCount = new QLabel(this);
    cmdAddLinks = new QPushButton(tr("Add Links"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    // Enter adds the links from anywhere in the dialog; Esc cancels it.
    cmdAddLinks->setDefault(true);
    const std::pair<QWidget*, QString> names[] = {
        {lblFind, u"lblFind"_s},           {txtFind, u"txtFind"_s},
        {tvwBookmarks, u"tvwBookmarks"_s}, {chkGetPictures, u"chkGetPictures"_s},
        {lblCount, u"lblCount"_s},         {cmdAddLinks, u"cmdAddLinks"_s},
        {cmdCancel, u"cmdCancel"_s}};
    for (const auto& [control, name] : names)
        control->setObjectName(name);

    auto* find = new QHBoxLayout;
    find->addWidget(lblFind);
    find->addWidget(txtFind);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCount, 1);
    buttons->addWidget(cmdAddLinks);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(find);
    layout->addWidget(tvwBookmarks, 1);
    layout->addWidget(chkGetPictures);
    layout->addLayout(buttons);
    resize(760, 480);
}

// Folders that hold no bookmark are left out: there is nothing in them to choose.
void frmImportLinks::AddEntries(QTreeWidgetItem* folder, const Bookmark& bookmarks)
{
    for (const Bookmark& entry : bookmarks.entries) {
        if (entry.isFolder && Bookmarks::Count(entry) == 0)
            continue;
        auto* item = new QTreeWidgetItem(folder, {entry.title});
        if (entry.isFolder) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            AddEntries(item, entry);
            continue;
        }
        const QString note = Note(entry.address);
        m_fileAddresses.insert(entry.address);
        // Never a null text, even when empty: that tells a bookmark from an empty folder.
        item->setText(AddressColumn, entry.address.isNull() ? u""_s : entry.address);
        item->setText(NoteColumn, note);
        // A screen reader names a check box by its title; one without a title, by its address.
        if (entry.title.isEmpty())
            item->setData(TitleColumn, Qt::AccessibleTextRole, entry.address);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren);
        item->setCheckState(TitleColumn, note.isEmpty() ? Qt::Checked : Qt::Unchecked);
        item->setData(TitleColumn, CountedRole, note.isEmpty());
        m_checked += note.isEmpty() ? 1 : 0;
    }
}

// Why a bookmark starts unchecked; empty when it starts checked.
QString frmImportLinks::Note(const QString& sAddress) const
{
    if (!LinkTexts::PageOpens(sAddress))
        return tr("A page cannot open this address.");
    if (m_pageAddresses.contains(sAddress))
        return tr("Already on the page.");
    if (m_fileAddresses.contains(sAddress))
        return tr("Also above in this file.");
    return {};
}

QList<LinkText> frmImportLinks::CheckedLinks() const
{
    QList<LinkText> links;
    CollectChecked(tvwBookmarks->invisibleRootItem(), links);
    return links;
}

bool frmImportLinks::GetPictures() const
{
    return chkGetPictures->isChecked();
}

void frmImportLinks::txtFind_Change()
{
    const QString find = txtFind->text().trimmed();
    QTreeWidgetItem* root = tvwBookmarks->invisibleRootItem();
    for (int i = 0; i < root->childCount(); ++i)
        Narrow(root->child(i), find, find.isEmpty());
}

void frmImportLinks::tvwBookmarks_ItemChanged(QTreeWidgetItem* item)
{
    const bool checked = item->checkState(TitleColumn) == Qt::Checked;
    if (!IsBookmark(item) || item->data(TitleColumn, CountedRole).toBool() == checked)
        return;
    item->setData(TitleColumn, CountedRole, checked);
    m_checked += checked ? 1 : -1;
    ShowCount();
}

void frmImportLinks::ShowCount()
{
    lblCount->setText(m_checked == 1 ? tr("1 link will be added.")
                                     : tr("%1 links will be added.").arg(m_checked));
    cmdAddLinks->setEnabled(m_checked > 0);
}
