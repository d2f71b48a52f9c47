#include "editor/frmCheckLinks.h"

#include "model/CWebPage.h"
#include "model/Collection.h"
#include "support/SameSite.h"
#include "toolkit/LinkChecks.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace
{

using enum frmCheckLinksControls::Column;

// Indexed by LinkFinding::Kind; a fine link has nothing to say.
constexpr const char* Said[] = {
    nullptr,
    QT_TRANSLATE_NOOP("frmCheckLinks", "Not found"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "Does not answer"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "Now leads to %1"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "Moved within the site"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "The site's name may be for sale"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "The page cannot open this address"),
    QT_TRANSLATE_NOOP("frmCheckLinks", "Not checked"),
};
static_assert(std::size(Said) == LinkFinding::NotChecked + 1);

qsizetype LinkOf(const QTreeWidgetItem* item)
{
    return item->data(CaptionColumn, Qt::UserRole).toLongLong();
}

// The row at which the link numbered iLink stands among those found: they keep the page's order.
int RowFor(const QTreeWidget* list, qsizetype iLink)
{
    int first = 0;
    int last = list->topLevelItemCount();
    while (first < last) {
        const int middle = (first + last) / 2;
        if (LinkOf(list->topLevelItem(middle)) < iLink)
            first = middle + 1;
        else
            last = middle;
    }
    return first;
}

} // namespace

frmCheckLinks::frmCheckLinks(const Collection& links, const QString& sPageFolder, QWidget* parent)
    : QDialog(parent), m_links(links), m_pageFolder(sPageFolder), m_checks(new LinkChecks(this))
{
    setObjectName(u"frmCheckLinks"_s);
    setWindowTitle(tr("Check Links"));
    ui.SetupUi(this);
    resize(860, 420);
    ShowButtons();
    // However it ends, Close, Esc or the close box, the dialog goes, and its checks with it.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    connect(m_checks, &LinkChecks::Found, this, &frmCheckLinks::LinkChecks_Found);
    connect(m_checks, &LinkChecks::Offline, this, &frmCheckLinks::LinkChecks_Offline);
    connect(m_checks, &LinkChecks::Finished, this, &frmCheckLinks::ShowEnd);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmCheckLinks::cmdCancel_Click);
    connect(ui.cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(ui.lstFound, &QTreeWidget::currentItemChanged, this, &frmCheckLinks::ShowButtons);
    connect(ui.lstFound, &QTreeWidget::itemDoubleClicked, ui.cmdEdit, &QPushButton::click);
    connect(ui.cmdEdit, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit EditRequested(checked->link);
    });
    connect(ui.cmdRemove, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit RemoveRequested(checked->link);
    });
    connect(ui.cmdNewAddress, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit NewAddressRequested(checked->link,
                                     ui.lstFound->currentItem()->text(NewAddressColumn));
    });
    QTimer::singleShot(0, this, &frmCheckLinks::Start);
}

void frmCheckLinks::SetTimeLimit(int iMs)
{
    m_checks->SetTimeLimit(iMs);
}

void frmCheckLinks::SetRetryDelay(int iMs)
{
    m_checks->SetRetryDelay(iMs);
}

void frmCheckLinks::Start()
{
    QStringList addresses;
    for (const std::shared_ptr<CWebPage>& link : m_links) {
        m_checked.push_back({link, link->MainLink()});
        addresses.append(link->MainLink());
    }
    PageChanged();
    m_checks->Start(addresses, m_pageFolder);
    ShowProgress();
    if (addresses.isEmpty())
        ShowEnd();
}

void frmCheckLinks::PageChanged()
{
    m_present.clear();
    for (const std::shared_ptr<CWebPage>& link : m_links)
        m_present.insert(link.get());
    QTreeWidgetItem* current = ui.lstFound->currentItem();
    for (int row = 0; row < ui.lstFound->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = ui.lstFound->topLevelItem(row);
        item->setHidden(!Offered(item));
    }
    // The row acted on goes: the one after it is chosen, for the next click.
    if (current && current->isHidden()) {
        const int row = ui.lstFound->indexOfTopLevelItem(current);
        QTreeWidgetItem* next = nullptr;
        for (int r = row + 1; !next && r < ui.lstFound->topLevelItemCount(); ++r)
            next =
                ui.lstFound->topLevelItem(r)->isHidden() ? nullptr : ui.lstFound->topLevelItem(r);
        for (int r = row - 1; !next && r >= 0; --r)
            next =
                ui.lstFound->topLevelItem(r)->isHidden() ? nullptr : ui.lstFound->topLevelItem(r);
        ui.lstFound->setCurrentItem(next);
    }
    ShowButtons();
}

void frmCheckLinks::LinkChecks_Found(qsizetype iLink, const LinkFinding& finding)
{
    ShowProgress();
    if (finding.kind == LinkFinding::Fine)
        return;
    const Checked& checked = m_checked.at(iLink);
    auto* item = new QTreeWidgetItem;
    item->setData(CaptionColumn, Qt::UserRole, qlonglong(iLink));
    item->setText(CaptionColumn, checked.link->Name());
    item->setText(AddressColumn, checked.address);
    const QString said = tr(Said[finding.kind]);
    item->setText(FoundColumn, finding.kind == LinkFinding::LeadsElsewhere
                                   ? said.arg(SameSite::Site(finding.reached))
                                   : said);
    if (finding.reached.isValid() &&
        (finding.kind == LinkFinding::Moved || finding.kind == LinkFinding::NoScheme))
        item->setText(NewAddressColumn, finding.reached.toString());
    ui.lstFound->insertTopLevelItem(RowFor(ui.lstFound, iLink), item);
    item->setHidden(!Offered(item));
    if (!ui.lstFound->currentItem() && !item->isHidden())
        ui.lstFound->setCurrentItem(item);
}

// A list made of names not found would only mislead.
void frmCheckLinks::LinkChecks_Offline()
{
    ui.lstFound->clear();
    ui.lstFound->hide();
    ui.cmdCancel->setEnabled(false);
    ui.lblResult->setText(
        tr("The computer seems not to be online, so the links could not be checked."));
    ui.lblResult->show();
    ShowProgress();
    ShowButtons();
}

void frmCheckLinks::cmdCancel_Click()
{
    m_checks->Cancel();
    ui.cmdCancel->setEnabled(false);
}

void frmCheckLinks::ShowProgress()
{
    ui.lblProgress->setText(tr("Checked %1 of %2").arg(m_checks->Done()).arg(m_checks->Count()));
    ui.barProgress->setMaximum(int(m_checks->Count()));
    ui.barProgress->setValue(int(m_checks->Done()));
}

void frmCheckLinks::ShowEnd()
{
    ui.cmdCancel->setEnabled(false);
    if (ui.lstFound->topLevelItemCount() > 0)
        return;
    const qsizetype count = m_checks->Count();
    ui.lblResult->setText(count == 0   ? tr("The page has no links to check.")
                          : count == 1 ? tr("The link answers as it should.")
                                       : tr("All %1 links answer as they should.").arg(count));
    ui.lblResult->show();
}

void frmCheckLinks::ShowButtons()
{
    const QTreeWidgetItem* item = Chosen() ? ui.lstFound->currentItem() : nullptr;
    ui.cmdEdit->setEnabled(item);
    ui.cmdRemove->setEnabled(item);
    ui.cmdNewAddress->setEnabled(item && !item->text(NewAddressColumn).isEmpty());
}

bool frmCheckLinks::Offered(const QTreeWidgetItem* item) const
{
    const Checked& checked = m_checked.at(LinkOf(item));
    return m_present.contains(checked.link.get()) && checked.link->MainLink() == checked.address;
}

const frmCheckLinks::Checked* frmCheckLinks::Chosen() const
{
    const QTreeWidgetItem* item = ui.lstFound->currentItem();
    return item && !item->isHidden() && !ui.lstFound->isHidden() ? &m_checked.at(LinkOf(item))
                                                                 : nullptr;
}
