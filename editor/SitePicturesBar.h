#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QStatusBar>
#include <QTimer>
#include <memory>

class CWebPage;
class Collection;
class QImage;
class QLabel;
class QPushButton;
class SitePicture;

// The bar at the foot of the editor window while links get their sites' pictures, AtOnce sites at
// a time: "Getting pictures: 3 of 12" and a Cancel that keeps the pictures found so far. Each
// picture found is saved in home as a tile and handed to the window, which gives it to its link.
// The links are held themselves, so that one moved or deleted meanwhile is no matter. The links
// added while others are still fetched join their batch. When the last picture of a batch is in,
// the bar tells for some seconds, or a message tells which links got none.
class SitePicturesBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int AtOnce = 4;

    explicit SitePicturesBar(QWidget* parent);

    static constexpr int ReportMs = 5000;
    static constexpr int MostNamed = 5;

    // Adds the links with a web address to those waiting for a picture, and shows the bar. The
    // tiles are of iSide on the ground given, unless a site names its own colour.
    void Get(const QList<std::shared_ptr<CWebPage>>& links, int iSide, const QColor& ground);
    // What Cancel does: the pictures found stay with their links, those still coming are given up.
    void Cancel();
    // Gives up the links that are no longer among onPage, taken out or their adding undone: a
    // picture for one would be a change nobody sees, and a file nobody uses.
    void Forget(const Collection& onPage);

signals:
    // iBatch tells the pictures of one batch from those of the next.
    void PictureFound(const std::shared_ptr<CWebPage>& link, const QString& sPicture, int iBatch);

private:
    void SitePicture_Done(SitePicture* site, const QImage& picture);
    void SitePicture_Failed(SitePicture* site);
    void Next(SitePicture* site);
    void ShowProgress();
    void Report(qsizetype iCount, const QStringList& missed);

    QLabel* lblProgress;
    QPushButton* cmdCancel;
    QList<std::shared_ptr<CWebPage>> m_waiting;
    QHash<SitePicture*, std::shared_ptr<CWebPage>> m_fetching;
    qsizetype m_count = 0;
    qsizetype m_done = 0;
    // The captions of the links whose sites gave no picture.
    QStringList m_missed;
    bool m_cancelled = false;
    int m_batch = 0;
    int m_tileSide = 0;
    QColor m_ground;
    QTimer m_reportShown;
};
