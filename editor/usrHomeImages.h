#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>

class QComboBox;

// A one-line picker of a picture from a folder: a drop-down list of "(None)", "(Import
// Picture...)" and the bare names of the pictures found in the folder and its subfolders.
// Choosing "(Import Picture...)" copies a picture from elsewhere into the folder and chooses it.
// Each picture entry shows a small thumbnail beside its name once the list has been opened.
// The host chooses the width; the height is always that of the list.
class usrHomeImages : public QWidget
{
    Q_OBJECT

public:
    // The first entry, which stands for no picture; a host stores it as the empty text.
    static constexpr QStringView NoneEntry = u"(None)";
    // The second entry, the command that imports a picture.
    static constexpr QStringView ImportEntry = u"(Import Picture...)";

    explicit usrHomeImages(QWidget* parent = nullptr);

    // The folder whose pictures are listed; setting it rebuilds the list.
    QString ImagesPath() const { return m_imagesPath; }
    void SetImagesPath(const QString& vNewValue);

    // Lists the folder anew, keeping the chosen picture when it is still there, else "(None)".
    void ReloadImagesList();

    // The chosen entry's text, empty when none is chosen. Setting a text that is no entry
    // leaves the choice as it was.
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
    void ShowPicture(const QString& sName);

    // Lets the user copy a picture into the folder; returns its bare file name, or empty text
    // when nothing was copied. Tells the user about a name already taken or a failed copy.
    QString ImportPicture();

    QSize sizeHint() const override;

signals:
    // A picture has just been copied into the folder (before ImportPicture returns).
    void NewImagesImported();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmbImages_Click();
    void FitToList();
    void ShowThumbnail(int iRow);

    QString m_imagesPath;
    QComboBox* m_cmbImages;
    // The entry of each listed picture file, by its full path.
    QHash<QString, int> m_rowOfFile;
};
