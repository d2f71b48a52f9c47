#include "editor/LinkTiles.h"

#include "editor/HomePictures.h"
#include "model/CWebPage.h"
#include "support/NativePath.h"
#include "toolkit/PictureTile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QSet>

using namespace Qt::StringLiterals;

namespace
{

QString PathOf(const QString& sFolder, const QString& sName)
{
    return NativePath(sFolder + u'\\' + sName);
}

} // namespace

namespace LinkTiles
{

int PageSide(const CWebPage& page, const QString& sFolder)
{
    QSet<QString> seen;
    QMap<int, int> counts; // side, pictures
    for (const std::shared_ptr<CWebPage>& link : page.Links()) {
        const QString name = link->MainPicture();
        if (name.isEmpty() || name.contains(u'\\') || seen.contains(name))
            continue;
        seen.insert(name);
        const QSize size = QImageReader(PathOf(sFolder, name)).size();
        if (size.isValid() && size.width() == size.height())
            ++counts[size.width()];
    }
    int side = DefaultSide, most = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.value() >= most) {
            side = count.key();
            most = count.value();
        }
    }
    return side;
}

QColor PageGround(const CWebPage& page)
{
    const qint32 color = page.Backcolor();
    if (color == -1)
        return Qt::white;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

bool IsTile(const QString& sFolder, const QString& sName, int iSide)
{
    return QImageReader(PathOf(sFolder, sName)).size() == QSize(iSide, iSide);
}

QString WriteCopy(const QString& sFolder, const QString& sName, int iSide, const QColor& ground)
{
    QImageReader reader(PathOf(sFolder, sName));
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return HomePictures(sFolder).WriteJpeg(
        PictureTile::Make(picture, iSide, ground),
        u"%1-%2"_s.arg(QFileInfo(sName).completeBaseName()).arg(iSide));
}

} // namespace LinkTiles
