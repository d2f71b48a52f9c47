#include "common/OrdinaryUser.h"
#include "editor/EditorFixture.h"
#include "support/Error.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>

// How far below the middle of a row the colour's band shows, in half pixels.
static int BelowMiddle(const QImage& drawn, const QRect& row, const QColor& colour)
{
    QList<int> lines;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x)
            if (drawn.pixelColor(x, y) == colour)
                lines << y;
    return lines.isEmpty() ? row.height() : lines.first() + lines.last() - row.top() - row.bottom();
}

// The folder's pictures before its subfolders', as thumbnails in proportion (damaged: the
// placeholder) centred in rows of one height, rebuilt on reloading; a choice stays while listed.
TEST_F(Editor, ThePickerAndTheLinkRowsShowThumbnails)
{
    WritePicture(u"pics/red.bmp"_s, {64, 48}, Qt::red);
    WritePicture(u"pics/sub/blue.jpg"_s, {8, 8}, Qt::blue);
    for (const QString& file : {u"notes.txt"_s, u"B.GIF"_s, u"sub/deeper/#1 & \u00e9.gif"_s})
        app.WriteFile(u"pics/"_s + file, "GIF89a, and then nothing");
    usrHomeImages picker;
    auto* list = picker.findChild<QComboBox*>();
    picker.show();
    const QSignalSpy ready(&Thumbnails::Shared(), &Thumbnails::Ready);
    const qint64 placeholder = Thumbnails::Shared().Placeholder().cacheKey();
    // Once every thumbnail is read: the entries, each with its thumbnail's middle hue and size.
    const auto shown = [&] {
        list->showPopup();
        const int damaged = list->findText(u"#1 & \u00e9.gif"_s);
        const auto read = [&] {
            bool all = ready.contains({list->itemData(damaged)});
            for (int row = 2; row < list->count(); ++row)
                all = all && (row == damaged || list->itemIcon(row).cacheKey() != placeholder);
            return all;
        };
        EXPECT_TRUE(QTest::qWaitFor(read, 20000));
        const QImage drawn = list->view()->viewport()->grab().toImage();
        list->hidePopup();
        EXPECT_TRUE(list->itemIcon(0).isNull() &&
                    list->itemIcon(damaged).cacheKey() == placeholder);
        QStringList entries{list->itemText(0), list->itemText(1)};
        for (int row = 2; row < list->count(); ++row) {
            const QImage image = list->itemIcon(row).pixmap(Thumbnails::Size).toImage();
            const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
            const QRect box = list->view()->visualRect(list->model()->index(row, 0));
            EXPECT_EQ(list->view()->visualRect(list->model()->index(row - 2, 0)).height(),
                      box.height());
            const bool tinted = row == list->currentIndex(); // the chosen entry's
            EXPECT_LE(tinted ? 0 : std::abs(BelowMiddle(drawn, box, middle)), 1) << row;
            entries << list->itemText(row) + u" %1 %2x%3"_s.arg((middle.hue() + 10) / 20)
                                                 .arg(image.width())
                                                 .arg(image.height());
        }
        return entries;
    };
    picker.SetImagesPath(app.Path() + u"\\pics"_s);
    EXPECT_EQ(shown(), QStringList({None, usrHomeImages::ImportEntry(), u"red.bmp 0 32x24"_s,
                                    u"blue.jpg 12 8x8"_s, u"#1 & \u00e9.gif 0 32x32"_s}));
    EXPECT_EQ(picker.ListIndex(), 0);
    for (const qint16 index : {-2, 5})
        EXPECT_THROW(picker.SetListIndex(index), Error) << index;

    WritePicture(u"pics/red.bmp"_s, {60, 60}, Qt::green);
    Choose(list, u"red.bmp"_s);
    picker.ReloadImagesList();
    EXPECT_EQ(picker.Text(), u"red.bmp"_s);
    EXPECT_EQ(shown().value(2), u"red.bmp 6 32x32"_s);
    picker.SetImagesPath(app.Path() + u"\\home"_s);
    EXPECT_EQ(picker.Text(), None);

    // In the links list each row shows its link's picture once read, one that is gone the
    // placeholder; rows keep the pictures' height and the widest text's width.
    CWebPage page = Page(3, u"red.bmp"_s);
    page.Links().Item(1)->SetName(u"A caption wider than the list, with its address"_s);
    page.Links().Item(2)->SetMainPicture(u"gone.gif"_s);
    page.Links().Item(3)->SetMainPicture({});
    Open(page);
    const auto* links = Child<QListView>(u"lstLinks"_s);
    QAbstractItemModel* rows = links->model();
    const QRect first = links->visualRect(rows->index(0, 0));
    EXPECT_GE(first.width(),
              QFontMetrics(links->font()).horizontalAdvance(rows->index(0, 0).data().toString()));
    EXPECT_GE(first.height(), links->iconSize().height());
    QSignalSpy changed(rows, &QAbstractItemModel::dataChanged);
    WritePicture(u"home/red.bmp"_s, {32, 32}, Qt::red);
    const auto icon = [rows](int iRow) {
        return rows->index(iRow, 0).data(Qt::DecorationRole).value<QIcon>();
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return icon(0).pixmap(16).toImage().pixelColor(4, 4) == QColor(Qt::red); }));
    EXPECT_TRUE(!changed.isEmpty() && changed.last().at(0).toModelIndex().row() == 0);
    EXPECT_TRUE(icon(1).cacheKey() == placeholder && icon(2).isNull());
}

static void SetWritable(const QDir& folder, bool bWritable)
{
    const auto read = QFile::ReadOwner | QFile::ExeOwner;
    EXPECT_TRUE(QFile::setPermissions(folder.path(), bWritable ? read | QFile::WriteOwner : read));
}

// A picture imported (from "outside/") that the lists do not show, or chosen from a subfolder of
// home in any picker, is offered a copy in home that the page shows: a JPEG with white for
// transparent, else the very bytes; never over a file ("-2", or a subfolder picture's namesake is
// used). The picker chooses it, every picker lists it; one that cannot be made is told of. One
// question for each choice: none on Undo, Redo or opening. As an ordinary user, for permissions.
TEST_F(Editor, OffersACopyThatThePageShowsOfAPictureImportedOrInASubfolder)
{
    if (RanAsOrdinaryUser())
        return;
    const QByteArray gif("GIF89a\1\0\1\0\x80\0\0\xff\0\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 35);
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(20, 0, 20, 30, Qt::red);
    app.WriteFile(u"outside/photo.GIF"_s, gif);
    for (const QString& file : {u"outside/photo.png"_s, u"outside/photo.webp"_s})
        EXPECT_TRUE(picture.save(app.NativeFile(file)));
    app.WriteFile(u"outside/notes.png"_s, "no picture");
    app.WriteFile(u"home/animals/wild/lion.gif"_s, gif); // the last entry of every list
    const QString yes = u"Yes"_s, no = u"No"_s, png = u"outside/photo.png"_s, jpg = u"photo.jpg"_s,
                  lion = u"animals/wild/lion.gif"_s, trails = u"cmbMouseTrails"_s,
                  menu = u"mnuFile_%1"_s.arg(mnuFileImport), dialog = u"cmbImages"_s,
                  wallpaper = u"cmbWallpaper"_s;
    const struct {
        QString picker, file, answer; // no answer: no question
        bool readOnly;
        QString taken, copy, chosen; // the name home has already; the copy's; the choice after
    } cases[] = {
        {trails, png, yes, false, {}, jpg, jpg},
        {trails, png, no, false, {}, jpg, None},
        {menu, png, yes, false, jpg, u"photo-2.jpg"_s, u"heart.gif"_s},
        {trails, u"outside/photo.webp"_s, yes, false, {}, jpg, jpg},
        {trails, u"outside/photo.GIF"_s, yes, false, {}, u"photo.gif"_s, u"photo.gif"_s},
        {trails, u"outside/notes.png"_s, {}, false, {}, u"notes.jpg"_s, None},
        {trails, png, yes, true, {}, jpg, None},
        {dialog, lion, yes, false, {}, u"lion.gif"_s, u"lion.gif"_s},
        {trails, lion, no, false, {}, u"lion.gif"_s, u"lion.gif"_s},
        {wallpaper, lion, yes, false, u"lion.gif"_s, u"lion.gif"_s, u"lion.gif"_s},
        {wallpaper, lion, yes, true, {}, u"lion.gif"_s, u"lion.gif"_s},
    };
    QDir home(app.NativeFile(u"home"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE((c.picker + u' ' + c.file + u' ' + c.answer).toStdString());
        for (const QString& file : home.entryList({u"photo*"_s, u"notes*"_s, u"lion*"_s}))
            EXPECT_TRUE(home.remove(file));
        if (!c.taken.isEmpty())
            app.WriteFile(u"home/"_s + c.taken, "mine");
        Open(Page());
        Answers answers({c.answer, u"OK"_s});
        answers.beforeEach = [&] { SetWritable(home, !c.readOnly); };
        const bool import = c.file.startsWith(u"outside/"_s);
        std::optional<ModalDriver> modal; // the file dialog, or the link dialog
        if (import || c.picker == dialog)
            modal.emplace([&](QWidget* shown) {
                if (import)
                    TypeInto(shown, u"fileNameEdit"_s, app.NativeFile(c.file));
                else
                    QTest::keyClick(shown->findChild<QComboBox*>(), Qt::Key_End);
                PressKey(shown, Qt::Key_Return);
            });
        if (QWidget* picker = Child(c.picker)) // the editor's: its choice counts once left
            picker->setFocus();
        if (c.picker == menu)
            Child<QAction>(menu)->trigger();
        else if (import)
            Choose(Child(trails)->findChild<QComboBox*>(), usrHomeImages::ImportEntry());
        else if (c.picker == dialog)
            ClickButton(window.get(), u"cmdLink_0"_s);
        else
            QTest::keyClick(Child(c.picker)->findChild<QComboBox*>(), Qt::Key_End);
        Child(u"txtTitle"_s)->setFocus();

        const QString name = QFileInfo(c.file).fileName();
        EXPECT_EQ(answers.said.value(0),
                  c.answer.isEmpty() ? QString()
                  : import ? u"\"%1\" is in the pictures folder now, but the lists show only .gif, "
                             u".jpg and .bmp pictures. Make a copy \"%2\" that they show?"_s.arg(
                                 name, c.copy)
                           : u"\"%1\" lies in the folder \"%2\", but the page finds only pictures "
                             u"that lie in the pictures folder itself. Copy it there?"_s.arg(
                                 name, QDir::toNativeSeparators(QFileInfo(c.file).path())));
        EXPECT_EQ(answers.said.value(1).contains(u"permission to write"_s), c.readOnly);
        const QByteArray source = import ? app.ReadFile(c.file) : Home(c.file);
        const bool made = c.answer == yes && !c.readOnly && c.taken != c.copy;
        const QImage copy(home.filePath(c.copy));
        EXPECT_TRUE(made && c.copy.endsWith(u".jpg"_s)
                        ? QImageReader(home.filePath(c.copy)).format() == "jpeg" &&
                              copy.size() == picture.size() && qGray(copy.pixel(5, 15)) > 245 &&
                              qRed(copy.pixel(35, 15)) > 230 && qGreen(copy.pixel(35, 15)) < 25
                        : Home(c.copy) ==
                              (made ? source : QByteArray(c.taken == c.copy ? "mine" : "")));
        EXPECT_TRUE((!import || Home(name) == source) &&
                    (c.taken.isEmpty() || Home(c.taken) == "mine"));
        for (const QString& picker : {wallpaper, trails}) {
            const QAbstractItemModel* entries = Child(picker)->findChild<QComboBox*>()->model();
            EXPECT_EQ(
                entries->match(entries->index(2, 0), Qt::DisplayRole, c.copy, -1, Qt::MatchExactly)
                    .size(),
                !import + (made || c.taken == c.copy));
        }
        const CWebPage& page = window->Page();
        EXPECT_EQ(c.picker == dialog      ? page.Links().Item(page.Links().Count())->MainPicture()
                  : c.picker == wallpaper ? page.Wallpaper()
                                          : page.MouseTrails(),
                  c.chosen == None ? QString() : c.chosen);
        SetWritable(home, true);
        for (const EditMenuItem item : {mnuEditUndo, mnuEditRedo})
            EditMenu(item)->trigger();
        Open(window->Page());
        EXPECT_EQ(answers.said.size(), !c.answer.isEmpty() + c.readOnly);
    }
}
