#include "editor/frmCheckLinks.h"

#include "model/CWebPage.h"
#include "model/Collection.h"
#include "support/SameSite.h"
#include "toolkit/LinkChecks.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace
{

enum Column { CaptionColumn, AddressColumn, FoundColumn, NewAddressColumn };

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
    SetupUi();
    // However it ends, Close, Esc or the close box, the dialog goes, and its checks with it.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    connect(m_checks, &LinkChecks::Found, this, &frmCheckLinks::LinkChecks_Found);
    connect(m_checks, &LinkChecks::Offline, this, &frmCheckLinks::LinkChecks_Offline);
    connect(m_checks, &LinkChecks::Finished, this, &frmCheckLinks::ShowEnd);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCheckLinks::cmdCancel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(lstFound, &QTreeWidget::currentItemChanged, this, &frmCheckLinks::ShowButtons);
    connect(lstFound, &QTreeWidget::itemDoubleClicked, cmdEdit, &QPushButton::click);
    connect(cmdEdit, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit EditRequested(checked->link);
    });
    connect(cmdRemove, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit RemoveRequested(checked->link);
    });
    connect(cmdNewAddress, &QPushButton::clicked, this, [this] {
        if (const Checked* checked = Chosen())
            emit NewAddressRequested(checked->link,
                                     lstFound->currentItem()->text(NewAddressColumn));
    });
    QTimer::singleShot(0, this, &frmCheckLinks::Start);
}

void frmCheckLinks::SetupUi()
{
    setObjectName(u"frmCheckLinks"_s);
    setWindowTitle(tr("Check Links"));
    lblProgress = new QLabel(this);
    barProgress = new QProgressBar(this);
    barProgress->setTextVisible(false);
    barProgress->setAccessibleName(tr("Links checked"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    lstFound = new QTreeWidget(this);
    lstFound->setAccessibleName(tr("Links found"));
    lstFound->setHeaderLabels({tr("Link"), tr("Address"), tr("Found"), tr("New Address")});
    lstFound->setRootIsDecorated(false);
    lstFound->setUniformRowHeights(true);
    lstFound->header()->resizeSection(CaptionColumn, 160);
    lstFound->header()->resizeSection(AddressColumn, 220);
    lstFound->header()->resizeSection(FoundColumn, 210);
    lblResult = new QLabel(this);
    lblResult->setWordWrap(true);
    lblResult->hide();
    cmdEdit = new QPushButton(tr("&Edit..."), this);
    cmdRemove = new QPushButton(tr("&Remove"), this);
    cmdNewAddress = new QPushButton(tr("Use &New Address"), this);
    cmdClose = new QPushButton(tr("Close"), this);
    const std::pair<QWidget*, QString> names[] = {
        {lblProgress, u"lblProgress"_s}, {barProgress, u"barProgress"_s},
        {cmdCancel, u"cmdCancel"_s},     {lstFound, u"lstFound"_s},
        {lblResult, u"lblResult"_s},     {cmdEdit, u"cmdEdit"_s},
        {cmdRemove, u"cmdRemove"_s},     {cmdNewAddress, u"cmdNewAddress"_s},
        {cmdClose, u"cmdClose"_s}};
    for (const auto& [control, name] : names)
        control->setObjectName(name);
    // Enter acts on no link by chance: every action is a button of its own.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(progress);
    layout->addWidget(lstFound, 1);
    layout->addWidget(lblResult);
    layout->addLayout(buttons);
    resize(860, 420);
    ShowButtons();
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
    QTreeWidgetItem* current = lstFound->currentItem();
    for (int row = 0; row < lstFound->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = lstFound->topLevelItem(row);
        item->setHidden(!Offered(item));
    }
    // The row acted on goes: the one after it is chosen, for the next click.
    if (current && current->isHidden()) {
        const int row = lstFound->indexOfTopLevelItem(current);
        QTreeWidgetItem* next = nullptr;
        for (int r = row + 1; !next && r < lstFound->topLevelItemCount(); ++r)
            next = lstFound->topLevelItem(r)->isHidden() ? nullptr : lstFound->topLevelItem(r);
        for (int r = row - 1; !next && r >= 0; --r)
            next = lstFound->topLevelItem(r)->isHidden() ? nullptr : lstFound->topLevelItem(r);
        lstFound->setCurrentItem(next);
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
    lstFound->insertTopLevelItem(RowFor(lstFound, iLink), item);
    item->setHidden(!Offered(item));
    if (!lstFound->currentItem() && !item->isHidden())
        lstFound->setCurrentItem(item);
}

// A list made of names not found would only mislead.
void frmCheckLinks::LinkChecks_Offline()
{
    lstFound->clear();
    lstFound->hide();
    cmdCancel->setEnabled(false);
    lblResult->setText(
        tr("The computer seems not to be online, so the links could not be checked."));
    lblResult->show();
    ShowButtons();
}

void frmCheckLinks::cmdCancel_Click()
{
    m_checks->Cancel();
    cmdCancel->setEnabled(false);
}

void frmCheckLinks::ShowProgress()
{
    lblProgress->setText(tr("Checked %1 of %2").arg(m_checks->Done()).arg(m_checks->Count()));
    barProgress->setMaximum(int(m_checks->Count()));
    barProgress->setValue(int(m_checks->Done()));
}

void frmCheckLinks::ShowEnd()
{
    cmdCancel->setEnabled(false);
    if (lstFound->topLevelItemCount() > 0)
        return;
    const qsizetype count = m_checks->Count();
    lblResult->setText(count == 0   ? tr("The page has no links to check.")
                       : count == 1 ? tr("The link answers as it should.")
                                    : tr("All %1 links answer as they should.").arg(count));
    lblResult->show();
}

void frmCheckLinks::ShowButtons()
{
    const QTreeWidgetItem* item = Chosen() ? lstFound->currentItem() : nullptr;
    cmdEdit->setEnabled(item);
    cmdRemove->setEnabled(item);
    cmdNewAddress->setEnabled(item && !item->text(NewAddressColumn).isEmpty());
}

bool frmCheckLinks::Offered(const QTreeWidgetItem* item) const
{
    const Checked& checked = m_checked.at(LinkOf(item));
    return m_present.contains(checked.link.get()) && checked.link->MainLink() == checked.address;
}

const frmCheckLinks::Checked* frmCheckLinks::Chosen() const
{
    const QTreeWidgetItem* item = lstFound->currentItem();
    return item && !item->isHidden() && !lstFound->isHidden() ? &m_checked.at(LinkOf(item))
                                                              : nullptr;
}
