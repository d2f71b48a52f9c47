#include "editor/SitePicturesBar.h"

#include "editor/HomeFolder.h"
#include "editor/HomePictures.h"
#include "model/CWebPage.h"
#include "support/Error.h"
#include "toolkit/MsgBox.h"
#include "toolkit/SitePicture.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QUrl>

using namespace Qt::StringLiterals;

SitePicturesBar::SitePicturesBar(QWidget* parent)
    : QStatusBar(parent), lblProgress(new QLabel(this)),
      cmdCancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(u"SitePicturesBar"_s);
    lblProgress->setObjectName(u"lblPictures"_s);
    cmdCancel->setObjectName(u"cmdCancelPictures"_s);
    lblProgress->setContentsMargins(4, 0, 0, 0);
    addWidget(lblProgress, 1);
    addPermanentWidget(cmdCancel);
    setSizeGripEnabled(false);
    connect(cmdCancel, &QPushButton::clicked, this, &SitePicturesBar::Cancel);
    m_reportShown.setSingleShot(true);
    connect(&m_reportShown, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void SitePicturesBar::Get(const QList<std::shared_ptr<CWebPage>>& links, int iSide,
                          const QColor& ground)
{
    if (m_fetching.isEmpty()) {
        ++m_batch;
        m_tileSide = iSide;
        m_ground = ground;
    }
    for (const std::shared_ptr<CWebPage>& link : links) {
        if (SitePicture::IsWebPage(QUrl(link->MainLink()))) {
            m_waiting.append(link);
            ++m_count;
        }
    }
    while (!m_waiting.isEmpty() && m_fetching.size() < AtOnce) {
        auto* site = new SitePicture(this);
        connect(site, &SitePicture::Done, this,
                [this, site](const QImage& picture) { SitePicture_Done(site, picture); });
        connect(site, &SitePicture::Failed, this, [this, site] { SitePicture_Failed(site); });
        site->SetTile(m_tileSide, m_ground);
        Next(site);
    }
}

void SitePicturesBar::Cancel()
{
    m_cancelled = true;
    m_waiting.clear();
    for (SitePicture* site : m_fetching.keys())
        Next(site);
}

void SitePicturesBar::Forget(const Collection& onPage)
{
    if (m_fetching.isEmpty())
        return;
    QSet<const CWebPage*> links;
    for (const std::shared_ptr<CWebPage>& link : onPage)
        links.insert(link.get());
    const auto gone = [&links](const std::shared_ptr<CWebPage>& link) {
        return !links.contains(link.get());
    };
    m_count -= m_waiting.removeIf(gone);
    for (SitePicture* site : m_fetching.keys()) {
        if (gone(m_fetching.value(site))) {
            m_fetching.remove(site);
            --m_count;
            Next(site);
        }
    }
}

// A picture that cannot be saved is as if the site had none: the link keeps its own.
void SitePicturesBar::SitePicture_Done(SitePicture* site, const QImage& picture)
{
    const std::shared_ptr<CWebPage> link = m_fetching.value(site);
    try {
        emit PictureFound(
            link, HomePictures(HomeFolder()).WriteSitePicture(picture, link->MainLink()), m_batch);
    } catch (const Error&) {
        return SitePicture_Failed(site);
    }
    Next(site);
}

void SitePicturesBar::SitePicture_Failed(SitePicture* site)
{
    const std::shared_ptr<CWebPage> link = m_fetching.value(site);
    m_missed.append(link->Name().trimmed().isEmpty() ? link->MainLink() : link->Name());
    Next(site);
}

// The site takes the next link waiting, or goes when none is; the bar goes with the last site.
void SitePicturesBar::Next(SitePicture* site)
{
    if (m_fetching.remove(site))
        ++m_done;
    if (m_waiting.isEmpty()) {
        site->Cancel();
        site->deleteLater();
    } else {
        const std::shared_ptr<CWebPage> link = m_waiting.takeFirst();
        m_fetching.insert(site, link);
        site->Fetch(QUrl(link->MainLink()));
    }
    if (!m_fetching.isEmpty())
        return ShowProgress();
    const qsizetype count = std::exchange(m_count, 0);
    const QStringList missed = std::exchange(m_missed, {});
    m_done = 0;
    if (std::exchange(m_cancelled, false) || count == 0)
        hide();
    else
        Report(count, missed);
}

void SitePicturesBar::ShowProgress()
{
    m_reportShown.stop();
    cmdCancel->show();
    lblProgress->setText(tr("Getting pictures: %1 of %2").arg(m_done).arg(m_count));
    show();
}

// The message waits for the user, so it comes only when the bar is done with the batch.
void SitePicturesBar::Report(qsizetype iCount, const QStringList& missed)
{
    const QString got =
        tr("%1 of %2 links got their site's picture.").arg(iCount - missed.size()).arg(iCount);
    if (missed.isEmpty()) {
        cmdCancel->hide();
        lblProgress->setText(got);
        m_reportShown.start(ReportMs);
        return;
    }
    hide();
    QString names = missed.mid(0, MostNamed).join(u", "_s);
    if (missed.size() > MostNamed)
        names = tr("%1 and %2 more").arg(names).arg(missed.size() - MostNamed);
    MsgBox(parentWidget(), got + u' ' + tr("None came from: %1.").arg(names));
}
