#include "editor/Thumbnails.h"

#include "support/NativePath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace
{

// A light grey frame: no picture yet, or none that can be shown.
QIcon DrawPlaceholder()
{
    QPixmap pixmap(Thumbnails::Size, Thumbnails::Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
    painter.drawRect(QRect(2, 2, Thumbnails::Size - 5, Thumbnails::Size - 5));
    return QIcon(pixmap);
}

// The file's size and modification time: a file that changes gets a new thumbnail.
QString StampOf(const QString& sNative)
{
    const QFileInfo info(sNative);
    return QString::number(info.size()) + u'@' +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

// Decodes at thumbnail size where the format can, so a large picture costs little; a picture
// smaller than a thumbnail keeps its size. A null image when the file is no readable picture.
QImage ReadThumbnail(const QString& sNative)
{
    QImageReader reader(sNative);
    const QSize full = reader.size();
    const QSize box(Thumbnails::Size, Thumbnails::Size);
    if (full.isValid() && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.width() <= box.width() && image.height() <= box.height())
        return image;
    return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

Thumbnails& Thumbnails::Shared()
{
    static QPointer<Thumbnails> shared;
    if (!shared)
        shared = new Thumbnails(QCoreApplication::instance());
    return *shared;
}

Thumbnails::Thumbnails(QObject* parent) : QObject(parent), m_placeholder(DrawPlaceholder())
{
    // One worker: the user-interface thread keeps the other core.
    m_pool.setMaxThreadCount(1);
}

Thumbnails::~Thumbnails()
{
    // A worker still running posts its result to this object, so it must end first.
    m_pool.clear();
    m_pool.waitForDone();
}

QIcon Thumbnails::Icon(const QString& sFile)
{
    const QString stamp = StampOf(NativePath(sFile));
    const auto entry = m_entries.constFind(sFile);
    if (entry == m_entries.cend() || entry->stamp != stamp)
        Read(sFile, stamp);
    else if (!entry->icon.isNull())
        return entry->icon;
    return m_placeholder;
}

void Thumbnails::Read(const QString& sFile, const QString& sStamp)
{
    m_entries.insert(sFile, {sStamp, QIcon()});
    m_pool.start([this, sFile, sStamp] {
        const QImage image = ReadThumbnail(NativePath(sFile));
        QMetaObject::invokeMethod(
            this, [this, sFile, sStamp, image] { Finished(sFile, sStamp, image); },
            Qt::QueuedConnection);
    });
}

// Pixmaps belong to the user-interface thread, so the icon is made here. A result for a version
// of the file that has been replaced since is dropped: the newer one is on its way.
void Thumbnails::Finished(const QString& sFile, const QString& sStamp, const QImage& image)
{
    const auto entry = m_entries.find(sFile);
    if (entry == m_entries.end() || entry->stamp != sStamp)
        return;
    entry->icon = image.isNull() ? m_placeholder : QIcon(QPixmap::fromImage(image));
    emit Ready(sFile);
}
