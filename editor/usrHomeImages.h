#pragma once

#include <QAnyStringView>
#include <QColor>
#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>

class QComboBox;

// A one-line picker of a picture from a folder: a drop-down list of "(None)", "(Import
// Picture...)" and the bare names of the pictures found in the folder and its subfolders.
// Choosing "(Import Picture...)" copies a picture from elsewhere into the folder and chooses it.
// Choosing a picture of a subfolder offers a copy in the folder, where a page beside it finds it.
// Each picture entry shows a small thumbnail beside its name once the list has been opened.
// Hosts set only its width: its height follows the list's font.
class usrHomeImages : public QWidget
{
    Q_OBJECT

public:
    // Always the first entry, and never stored: PictureName gives the empty text for it.
    static QString NoneEntry() { return tr("(None)"); }
    // Always the second entry; choosing it imports a picture rather than choosing one.
    static QString ImportEntry() { return tr("(Import Picture...)"); }

    explicit usrHomeImages(QWidget* parent = nullptr);

    // Setting it lists the new folder at once, so that a host needs no reload of its own.
    QString ImagesPath() const { return m_imagesPath; }
    void SetImagesPath(const QString& vNewValue);

    // For pictures added behind the list's back, as through another picker. The choice stays when
    // its picture is still listed.
    void ReloadImagesList();

    // The chosen entry's text, empty with none chosen. Setting an unknown text changes nothing and
    // is no error: after a reload the chosen picture may be gone.
    QString Text() const;
    void SetText(const QString& vNewValue);

    // The chosen entry's index, -1 when none is chosen. Setting an index outside the entries is
    // Error 380 and leaves the choice as it was; -1 clears the choice.
    qint16 ListIndex() const;
    void SetListIndex(qint16 vNewValue);

    // The choice as a page stores it: a picture's name, or the empty text for "(None)".
    QString PictureName() const;
    // Shows a stored picture name; one the list does not hold leaves the choice as it was. A name
    // that reads as the import command is no picture, and must not start an import.
    void ShowPicture(QAnyStringView sName);

    // Lets the user copy a picture into the folder; returns its bare file name, or empty text
    // when nothing was copied. Tells the user about a name already taken or a failed copy. A
    // picture of a kind or name that the list does not show is offered a copy that it shows, whose
    // name is returned when made.
    QString ImportPicture();

    // The copy that the lists show of an imported picture they do not is a tile of this side, as a
    // link's picture; 0 keeps its size.
    void SetTile(int iSide, const QColor& ground)
    {
        m_tileSide = iSide;
        m_tileGround = ground;
    }

    QSize sizeHint() const override;

signals:
    // A picture has just been copied into the folder (before ImportPicture returns), or a
    // subfolder's picture copied up into it.
    void NewImagesImported();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmbImages_Click();
    QString OfferListedCopy(const QString& sName);
    void OfferCopyFromSubfolder(int iRow);
    void FitToList();
    void ShowThumbnail(int iRow);

    QString m_imagesPath;
    int m_tileSide = 0;
    QColor m_tileGround;
    QComboBox* m_cmbImages;
    // The entry of each listed picture file, by its full path.
    QHash<QString, int> m_rowOfFile;
};
