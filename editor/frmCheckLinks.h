#pragma once

#include "editor/frmCheckLinksControls.h"

#include <QDialog>
#include <QSet>
#include <memory>
#include <vector>

class CWebPage;
class Collection;
class LinkChecks;
class QTreeWidgetItem;
struct LinkFinding;

// "Check Links": tries every link of the page as it was when the dialog opened, and lists those
// with something to say, in the page's order: gone, not answering, leading to another site, moved,
// for sale, or not a web address. It changes nothing itself: Edit, Remove and Use New Address ask
// the editor, which makes each a step of its own. The editor can be used meanwhile; a link it
// removes or changes is no longer offered, and comes back when that is undone.
class frmCheckLinks : public QDialog
{
    Q_OBJECT

public:
    // links is the page's own list, read again whenever it changes; sPageFolder is where the page
    // lies. The checks begin once the event loop runs, after the time limit has been set.
    frmCheckLinks(const Collection& links, const QString& sPageFolder, QWidget* parent);

    void SetTimeLimit(int iMs);
    void SetRetryDelay(int iMs);

    // The page's links changed: a link removed or readdressed since its check is not offered.
    void PageChanged();

signals:
    void EditRequested(const std::shared_ptr<CWebPage>& link);
    void RemoveRequested(const std::shared_ptr<CWebPage>& link);
    void NewAddressRequested(const std::shared_ptr<CWebPage>& link, const QString& sAddress);

private:
    // A link as it was checked.
    struct Checked {
        std::shared_ptr<CWebPage> link;
        QString address;
    };

    void Start();
    void LinkChecks_Found(qsizetype iLink, const LinkFinding& finding);
    void LinkChecks_Offline();
    void cmdCancel_Click();
    void ShowProgress();
    void ShowEnd();
    void ShowButtons();
    bool Offered(const QTreeWidgetItem* item) const;
    const Checked* Chosen() const;

    const Collection& m_links;
    QString m_pageFolder;
    std::vector<Checked> m_checked;
    // The links on the page now.
    QSet<const CWebPage*> m_present;
    LinkChecks* m_checks;
    frmCheckLinksControls ui;
};
