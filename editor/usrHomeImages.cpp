#include "editor/usrHomeImages.h"

#include "editor/HomePictures.h"
#include "editor/PictureRowDelegate.h"
#include "editor/Thumbnails.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "support/basProcs.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ScreenReader.h"
#include "toolkit/Twips.h"
#include "toolkit/basProcsDialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

// The width the control has before its host gives it one, in twips.
constexpr int DesignWidth = 4800;

// The kinds the lists show, then any file: one that they do not show is offered a copy.
QString ImportFilter()
{
    return usrHomeImages::tr("Picture Files") + u',' +
           QString(HomePictures::Patterns).replace(u',', u';') + u',' +
           usrHomeImages::tr("All Files") + u",*.*"_s;
}

constexpr qint32 DesktopFolder = 0;
// The entries before the pictures: "(None)" and "(Import Picture...)".
constexpr int FirstPicture = 2;
// Each picture entry keeps the full path of its file, for its thumbnail.
constexpr int PathRole = Qt::UserRole;

} // namespace

usrHomeImages::usrHomeImages(QWidget* parent) : QWidget(parent), m_cmbImages(new QComboBox(this))
{
    m_cmbImages->setObjectName(u"cmbImages"_s);
    m_cmbImages->setEditable(false);
    ScreenReader::NameByLabel(m_cmbImages);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusProxy(m_cmbImages);
    resize(Twips::ToPixels(DesignWidth), height());
    FitToList();

    // currentIndexChanged, not activated: the import entry must act when code chooses it too.
    connect(m_cmbImages, &QComboBox::currentIndexChanged, this, [this] {
        ShowThumbnail(m_cmbImages->currentIndex());
        cmbImages_Click();
    });
    // activated: only the user's own choices, never a reload or a host showing its page.
    connect(m_cmbImages, &QComboBox::activated, this,
            [this](int iRow) { OfferCopyFromSubfolder(iRow); });
    connect(&Thumbnails::Shared(), &Thumbnails::Ready, this,
            [this](const QString& sFile) { ShowThumbnail(m_rowOfFile.value(sFile, -1)); });
    // A list delegate draws the thumbnails at the list's icon size, larger than the closed
    // list's, which must stay one line high; every entry gets that room, the commands too.
    m_cmbImages->setItemDelegate(new PictureRowDelegate(m_cmbImages));
    m_cmbImages->view()->setIconSize(QSize(Thumbnails::Size, Thumbnails::Size));
    // The pictures are read as the list opens, not before: a folder of thousands of pictures
    // costs nothing until the user looks at them.
    m_cmbImages->view()->installEventFilter(this);
}

void usrHomeImages::SetImagesPath(const QString& vNewValue)
{
    m_imagesPath = vNewValue;
    ReloadImagesList();
}

void usrHomeImages::ReloadImagesList()
{
    const QString chosen = Text();
    QStringList pictures;
    ScanFolder(pictures, m_imagesPath, false, QString(), HomePictures::Patterns);
    QList<QStandardItem*> entries = {new QStandardItem(NoneEntry()),
                                     new QStandardItem(ImportEntry())};
    m_rowOfFile.clear();
    const QIcon placeholder = Thumbnails::Shared().Placeholder();
    for (const QString& picture : std::as_const(pictures)) {
        auto* entry = new QStandardItem(placeholder, GetPathPart(picture, PartFileName));
        entry->setData(picture, PathRole);
        m_rowOfFile.insert(picture, int(entries.size()));
        entries << entry;
    }
    m_cmbImages->clear();
    // All rows in one step: the list reacts once, not once per picture.
    qobject_cast<QStandardItemModel*>(m_cmbImages->model())
        ->invisibleRootItem()
        ->appendRows(entries);

    SetText(chosen);
    if (Text() != chosen)
        m_cmbImages->setCurrentIndex(0);
}

QString usrHomeImages::Text() const
{
    return m_cmbImages->currentText();
}

void usrHomeImages::SetText(const QString& vNewValue)
{
    const int index = m_cmbImages->findText(vNewValue, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        m_cmbImages->setCurrentIndex(index);
}

qint16 usrHomeImages::ListIndex() const
{
    return static_cast<qint16>(m_cmbImages->currentIndex());
}

void usrHomeImages::SetListIndex(qint16 vNewValue)
{
    if (vNewValue < -1 || vNewValue >= m_cmbImages->count())
        throw Error(Error::InvalidPropertyValue,
                    tr("There is no entry %1 in the list of pictures.").arg(vNewValue));
    m_cmbImages->setCurrentIndex(vNewValue);
}

QString usrHomeImages::PictureName() const
{
    const QString text = Text();
    return text == NoneEntry() ? QString() : text;
}

void usrHomeImages::ShowPicture(QAnyStringView sName)
{
    if (sName != ImportEntry())
        SetText(sName.toString());
}

QString usrHomeImages::ImportPicture()
{
    QString chosen;
    if (ShowFileDialog(chosen, FileOpen, this, tr("Import Picture"),
                       GetSpecialFolder(DesktopFolder, 0), ImportFilter()) == 0)
        return QString();

    const QString name = GetPathPart(chosen, PartFileName);
    const HomePictures home(m_imagesPath);
    if (home.Holds(name)) {
        MsgBox(this, tr("A file with that name already exists in the folder."),
               MsgBoxStyle::OkOnly);
        return QString();
    }
    try {
        home.CopyIn(chosen, name);
    } catch (const Error& error) {
        ReportError(this, error, QString(), tr("Could not import picture."), QString(), true);
        return QString();
    }
    const QString listed = OfferListedCopy(name);
    emit NewImagesImported();
    return listed;
}

// A picture the lists do not show ("photo.png", "cat.GIF") may get a copy that they show. The
// name to choose: the copy's, else sName.
QString usrHomeImages::OfferListedCopy(const QString& sName)
{
    const HomePictures home(m_imagesPath);
    const std::optional<HomePictures::ListedCopy> copy =
        home.ListedCopyOf(sName, m_tileSide, m_tileGround);
    if (!copy)
        return sName;
    if (MsgBox(
            this,
            tr("\"%1\" is in the pictures folder now, but the lists show only .gif, .jpg and .bmp "
               "pictures. Make a copy \"%2\" that they show?")
                .arg(sName, copy->name),
            MsgBoxStyle::YesNo | MsgBoxStyle::Question) != MsgBoxResult::Yes)
        return sName;
    try {
        return home.Make(*copy);
    } catch (const Error& error) {
        ReportError(this, error, QString(),
                    tr("\"%1\" is in the pictures folder, but the copy \"%2\" could not be made.")
                        .arg(sName, copy->name),
                    QString(), true);
        return sName;
    }
}

// The page looks for a picture by its bare name beside itself, so one chosen from a subfolder
// does not show: a copy in the folder itself is offered, and chosen. A file of its name already
// there is chosen as it is.
void usrHomeImages::OfferCopyFromSubfolder(int iRow)
{
    if (iRow < FirstPicture)
        return;
    const QString file = m_cmbImages->itemData(iRow, PathRole).toString();
    const HomePictures home(m_imagesPath);
    const std::optional<HomePictures::Below> below = home.InSubfolder(file);
    if (!below)
        return;
    if (MsgBox(this,
               tr("\"%1\" lies in the folder \"%2\", but the page finds only pictures that lie in "
                  "the pictures folder itself. Copy it there?")
                   .arg(below->name, DisplayPath(below->subfolder)),
               MsgBoxStyle::YesNo | MsgBoxStyle::Question) != MsgBoxResult::Yes)
        return;
    if (!home.Holds(below->name)) {
        try {
            home.CopyIn(file, below->name);
        } catch (const Error& error) {
            ReportError(this, error, QString(),
                        tr("Could not copy \"%1\" into the pictures folder.").arg(below->name),
                        QString(), true);
            return;
        }
        emit NewImagesImported();
        ReloadImagesList();
    }
    SetText(below->name);
}

QSize usrHomeImages::sizeHint() const
{
    return {Twips::ToPixels(DesignWidth), m_cmbImages->height()};
}

void usrHomeImages::resizeEvent(QResizeEvent* /*event*/)
{
    FitToList();
}

bool usrHomeImages::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_cmbImages->view() && event->type() == QEvent::Show) {
        for (int row = FirstPicture; row < m_cmbImages->count(); ++row)
            ShowThumbnail(row);
    }
    return QWidget::eventFilter(watched, event);
}

// A picture entry shows its thumbnail, or the placeholder until that is ready.
void usrHomeImages::ShowThumbnail(int iRow)
{
    if (iRow < FirstPicture)
        return;
    const QIcon icon = Thumbnails::Shared().Icon(m_cmbImages->itemData(iRow, PathRole).toString());
    if (icon.cacheKey() != m_cmbImages->itemIcon(iRow).cacheKey())
        m_cmbImages->setItemIcon(iRow, icon);
}

void usrHomeImages::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        FitToList();
    QWidget::changeEvent(event);
}

// Hosts place the control in twips, but the list's one line depends on the font: its height wins
// over the host's, and the list takes the host's width.
void usrHomeImages::FitToList()
{
    const int listHeight = m_cmbImages->sizeHint().height();
    m_cmbImages->setGeometry(0, 0, width(), listHeight);
    setFixedHeight(listHeight);
}

// The import entry is a command, never a choice that stays: "(None)" is chosen before the
// import starts, and the imported picture after it when the list shows it.
void usrHomeImages::cmbImages_Click()
{
    if (Text() != ImportEntry())
        return;
    m_cmbImages->setCurrentIndex(0);
    const QString name = ImportPicture();
    if (name.isEmpty())
        return;
    ReloadImagesList();
    SetText(name);
}
