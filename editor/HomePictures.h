#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringView>
#include <optional>

// The rules for pictures entering the pictures folder: the names the lists show, the copies that
// bring a picture in under such a name, pictures of its subfolders copied up beside the page, and
// the JPEG files written for a site's picture. Every file it makes is new: a name that is taken
// is never written over, and a new picture takes the first free of "name", "name-2" and on. The
// pickers ask the questions and tell the failures; this only decides and writes.
class HomePictures
{
    Q_DECLARE_TR_FUNCTIONS(HomePictures)

public:
    // The names the lists show, as ScanFolder takes them. The match is case-sensitive: "cat.GIF" is
    // no such name.
    static const QString Patterns;
    // The longer side of a site's picture, in pixels: the largest a link's picture shows.
    static constexpr int SiteSide = 256;

    static bool IsListed(QStringView name);

    explicit HomePictures(const QString& sFolder);

    // Whether something in the folder is called sName.
    bool Holds(const QString& sName) const;
    // Copies the file sSource in as sName, which must not be taken. An Error names the file at
    // fault: the picture that cannot be read, or the place it cannot be written to.
    void CopyIn(const QString& sSource, const QString& sName) const;

    // A copy that the lists show of a picture in the folder that they do not ("photo.png",
    // "cat.GIF"): the very bytes when only the name is wrong, else a JPEG of the picture.
    struct ListedCopy {
        QString of;
        QString name;
        QImage picture;
        bool sameBytes;
    };
    // None when the lists show sName already, or it is no picture. With a tile side, the copy is a
    // JPEG tile of that side on the ground given (PictureTile), as a link's picture is.
    std::optional<ListedCopy> ListedCopyOf(const QString& sName, int iTileSide = 0,
                                           const QColor& ground = Qt::white) const;
    // Returns the copy's name: the one proposed, unless another program has taken it since.
    QString Make(const ListedCopy& copy) const;

    // A picture that lies in a subfolder, which the page beside the folder does not find.
    struct Below {
        QString name;
        QString subfolder;
    };
    // None for a file of the folder itself.
    std::optional<Below> InSubfolder(const QString& sFile) const;

    // Writes the picture as "sStem.jpg", or the next free name, with its transparent parts on
    // white, shrunk to iMaxSide pixels on its longer side when it is larger (0 keeps its size).
    // Returns the file's bare name; an Error when it cannot be written.
    QString WriteJpeg(const QImage& picture, const QString& sStem, int iMaxSide = 0) const;
    // A site's picture, named after the host of sAddress without a leading "www.":
    // "pbskids.org.jpg".
    QString WriteSitePicture(const QImage& picture, const QString& sAddress) const;

private:
    QString m_folder;
};
