#pragma once

#include "editor/frmImportLinksControls.h"
#include "support/LinkText.h"

#include <QDialog>
#include <QSet>

struct Bookmark;
class QTreeWidgetItem;

// The bookmarks of a file in their folders, each with a check box, to choose the ones that become
// links. Bookmarks whose address is on the page already, or stands above in the file, and
// addresses a page cannot open start unchecked, with a note that says why; only the user's own
// click checks one of them. A folder's box, "Check All" and "Clear All" change the others, of
// those shown. "Find:" narrows the tree to what holds the text typed.
//
//     frmImportLinks dialog(bookmarks, addressesOnPage, this);
//     if (dialog.exec() == QDialog::Accepted)
//         add(dialog.CheckedLinks());
class frmImportLinks : public QDialog
{
    Q_OBJECT

public:
    frmImportLinks(const Bookmark& bookmarks, const QSet<QString>& pageAddresses, QWidget* parent);

    // The checked bookmarks in the file's order, shown or not.
    QList<LinkText> CheckedLinks() const;
    // Whether the links are to get their sites' pictures once added.
    bool GetPictures() const;

private:
    void AddEntries(QTreeWidgetItem* folder, const Bookmark& bookmarks);
    QString Note(const QString& sAddress) const;
    void txtFind_Change();
    void tvwBookmarks_ItemChanged(QTreeWidgetItem* item);
    void SetChoosable(QTreeWidgetItem* item, Qt::CheckState state);
    void ShowFolderStates();
    void Recount(QTreeWidgetItem* bookmark);
    void ShowCount();

    QSet<QString> m_pageAddresses;
    QSet<QString> m_fileAddresses;
    qsizetype m_checked = 0;
    qsizetype m_checkedHidden = 0;
    frmImportLinksControls ui;
};
