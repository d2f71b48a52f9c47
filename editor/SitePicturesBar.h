#pragma once

#include <QHash>
#include <QList>
#include <QStatusBar>
#include <memory>

class CWebPage;
class Collection;
class QImage;
class QLabel;
class QPushButton;
class SitePicture;

// The bar at the foot of the editor window while links get their sites' pictures, AtOnce sites at
// a time: "Getting pictures: 3 of 12" and a Cancel that keeps the pictures found so far. Each
// picture found is saved in home and handed to the window, which gives it to its link. The links
// are held themselves, so that one moved or deleted meanwhile is no matter.
class SitePicturesBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int AtOnce = 4;

    explicit SitePicturesBar(QWidget* parent);

    // Adds the links with a web address to those waiting for a picture, and shows the bar.
    void Get(const QList<std::shared_ptr<CWebPage>>& links);
    // What Cancel does: the pictures found stay with their links, those still coming are given up.
    void Cancel();
    // Gives up the links that are no longer among onPage, taken out or their adding undone: a
    // picture for one would be a change nobody sees, and a file nobody uses.
    void Forget(const Collection& onPage);

signals:
    void PictureFound(const std::shared_ptr<CWebPage>& link, const QString& sPicture);

private:
    void SitePicture_Done(SitePicture* site, const QImage& picture);
    void Next(SitePicture* site);
    void ShowProgress();

    QLabel* lblProgress;
    QPushButton* cmdCancel;
    QList<std::shared_ptr<CWebPage>> m_waiting;
    QHash<SitePicture*, std::shared_ptr<CWebPage>> m_fetching;
    qsizetype m_count = 0;
    qsizetype m_done = 0;
};
