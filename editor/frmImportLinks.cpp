#include "editor/frmImportLinks.h"

#include "support/Bookmarks.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace
{

using enum frmImportLinksControls::Column;
// Whether the bookmark was counted as checked, so that the count follows each change alone.
constexpr int CountedRole = Qt::UserRole;
// The bookmark's title and address as the file gives them; the columns may show them marked.
constexpr int TitleRole = Qt::UserRole + 1;
constexpr int AddressRole = Qt::UserRole + 2;

bool ReordersText(QChar c)
{
    switch (c.direction()) {
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return c == u'\u200E' || c == u'\u200F' || c == u'\u061C';
    }
}

// A character that turns the text around it shows as its code, "[U+202E]", so that no title
// shows its words reversed or in another order than the file holds them.
QString Marked(const QString& sText)
{
    if (std::none_of(sText.begin(), sText.end(), ReordersText))
        return sText;
    QString shown;
    for (const QChar c : sText)
        shown += ReordersText(c) ? u"[U+%1]"_s.arg(c.unicode(), 4, 16, QChar(u'0')).toUpper()
                                 : QString(c);
    return shown;
}

bool IsBookmark(const QTreeWidgetItem* item)
{
    return item->data(TitleColumn, AddressRole).isValid();
}

bool IsChecked(const QTreeWidgetItem* item)
{
    return item->checkState(TitleColumn) == Qt::Checked;
}

// The bookmarks shown below item that a folder's box and "Check All" change: those that started
// checked. One with a note changes only when the user checks it itself.
void ForEachChoosable(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& act)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (child->isHidden())
            continue;
        if (!IsBookmark(child))
            ForEachChoosable(child, act);
        else if (child->text(NoteColumn).isEmpty())
            act(child);
    }
}

// Shows a folder's box, and those of the folders in it, as what it holds: all checked, none, or
// some. Returns the item's state.
Qt::CheckState ShowFolderState(QTreeWidgetItem* item)
{
    if (IsBookmark(item))
        return item->checkState(TitleColumn);
    bool any = false, all = true;
    for (int i = 0; i < item->childCount(); ++i) {
        const Qt::CheckState state = ShowFolderState(item->child(i));
        any = any || state != Qt::Unchecked;
        all = all && state == Qt::Checked;
    }
    const Qt::CheckState state = all ? Qt::Checked : any ? Qt::PartiallyChecked : Qt::Unchecked;
    item->setCheckState(TitleColumn, state);
    return state;
}

// The checked bookmarks below item that Find hides.
qsizetype CheckedHidden(const QTreeWidgetItem* item, bool bHidden)
{
    bHidden = bHidden || item->isHidden();
    if (IsBookmark(item))
        return bHidden && IsChecked(item) ? 1 : 0;
    qsizetype hidden = 0;
    for (int i = 0; i < item->childCount(); ++i)
        hidden += CheckedHidden(item->child(i), bHidden);
    return hidden;
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
    if (IsBookmark(item) && IsChecked(item)) {
        const QString address = item->data(TitleColumn, AddressRole).toString();
        const QString title = item->data(TitleColumn, TitleRole).toString();
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
    setObjectName(u"frmImportLinks"_s);
    setWindowTitle(tr("Import Links"));
    ui.SetupUi(this);
    resize(760, 480);
    // Built apart and then put in at once: the tree takes thousands of items in one step.
    QTreeWidgetItem all;
    AddEntries(&all, bookmarks);
    ui.tvwBookmarks->addTopLevelItems(all.takeChildren());
    ui.tvwBookmarks->expandAll();
    ShowFolderStates();
    ShowCount();
    connect(ui.txtFind, &QLineEdit::textChanged, this, &frmImportLinks::txtFind_Change);
    connect(ui.tvwBookmarks, &QTreeWidget::itemChanged, this,
            &frmImportLinks::tvwBookmarks_ItemChanged);
    for (const auto& [button, state] :
         {std::pair(ui.cmdCheckAll, Qt::Checked), std::pair(ui.cmdClearAll, Qt::Unchecked)})
        connect(button, &QPushButton::clicked, this,
                [this, state] { SetChoosable(ui.tvwBookmarks->invisibleRootItem(), state); });
    connect(ui.cmdAddLinks, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Folders that hold no bookmark are left out: there is nothing in them to choose.
void frmImportLinks::AddEntries(QTreeWidgetItem* folder, const Bookmark& bookmarks)
{
    for (const Bookmark& entry : bookmarks.entries) {
        if (entry.isFolder && Bookmarks::Count(entry) == 0)
            continue;
        auto* item = new QTreeWidgetItem(folder, {Marked(entry.title)});
        if (entry.isFolder) {
            // Not left to the tree, which would check all a folder holds, the left out included.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            AddEntries(item, entry);
            continue;
        }
        const QString note = Note(entry.address);
        m_fileAddresses.insert(entry.address);
        item->setData(TitleColumn, TitleRole, entry.title);
        item->setData(TitleColumn, AddressRole, entry.address.isNull() ? u""_s : entry.address);
        item->setText(AddressColumn, Marked(entry.address));
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
    // The page holds an address from outside in the form it was taken in.
    if (m_pageAddresses.contains(sAddress) ||
        m_pageAddresses.contains(LinkTexts::FromOutside({}, sAddress).address))
        return tr("Already on the page.");
    if (m_fileAddresses.contains(sAddress))
        return tr("Also above in this file.");
    return {};
}

QList<LinkText> frmImportLinks::CheckedLinks() const
{
    QList<LinkText> links;
    CollectChecked(ui.tvwBookmarks->invisibleRootItem(), links);
    return links;
}

bool frmImportLinks::GetPictures() const
{
    return ui.chkGetPictures->isChecked();
}

void frmImportLinks::txtFind_Change()
{
    const QString find = ui.txtFind->text().trimmed();
    QTreeWidgetItem* root = ui.tvwBookmarks->invisibleRootItem();
    for (int i = 0; i < root->childCount(); ++i)
        Narrow(root->child(i), find, find.isEmpty());
    m_checkedHidden = CheckedHidden(root, false);
    ShowCount();
}

// Only a user's click changes a box: a folder's checks or clears what it shows that started
// checked, all of it checked clears it.
void frmImportLinks::tvwBookmarks_ItemChanged(QTreeWidgetItem* item)
{
    if (IsBookmark(item)) {
        Recount(item);
        ShowFolderStates();
        ShowCount();
        return;
    }
    bool all = true;
    ForEachChoosable(item, [&all](QTreeWidgetItem* bookmark) { all = all && IsChecked(bookmark); });
    SetChoosable(item, all ? Qt::Unchecked : Qt::Checked);
}

void frmImportLinks::SetChoosable(QTreeWidgetItem* item, Qt::CheckState state)
{
    const QSignalBlocker quiet(ui.tvwBookmarks);
    ForEachChoosable(item, [this, state](QTreeWidgetItem* bookmark) {
        bookmark->setCheckState(TitleColumn, state);
        Recount(bookmark);
    });
    ShowFolderStates();
    ShowCount();
}

void frmImportLinks::ShowFolderStates()
{
    const QSignalBlocker quiet(ui.tvwBookmarks);
    QTreeWidgetItem* root = ui.tvwBookmarks->invisibleRootItem();
    for (int i = 0; i < root->childCount(); ++i)
        ShowFolderState(root->child(i));
}

void frmImportLinks::Recount(QTreeWidgetItem* bookmark)
{
    const bool checked = IsChecked(bookmark);
    if (bookmark->data(TitleColumn, CountedRole).toBool() == checked)
        return;
    bookmark->setData(TitleColumn, CountedRole, checked);
    m_checked += checked ? 1 : -1;
}

void frmImportLinks::ShowCount()
{
    if (m_checkedHidden == 0)
        ui.lblCount->setText(m_checked == 1 ? tr("1 link will be added.")
                                            : tr("%1 links will be added.").arg(m_checked));
    else
        ui.lblCount->setText(m_checked == 1
                                 ? tr("1 link will be added, hidden by Find.")
                                 : tr("%1 links will be added, %2 of them hidden by Find.")
                                       .arg(m_checked)
                                       .arg(m_checkedHidden));
    ui.cmdAddLinks->setEnabled(m_checked > 0);
}
