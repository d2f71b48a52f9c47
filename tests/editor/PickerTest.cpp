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
    EXPECT_EQ(shown(),
              QStringList({None, usrHomeImages::ImportEntry.toString(), u"red.bmp 0 32x24"_s,
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

    // In the links list: each row its link's picture once read; one that is gone the placeholder.
    // Rows keep the height of their pictures and the width of the widest, though the last link
    // has no picture and a short text.
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

// A one-pixel GIF: Qt reads GIF but cannot write it.
static const QByteArray
    Gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00,\x00\x00\x00"
        "\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
        35);

static void SetWritable(const QDir& folder, bool bWritable)
{
    const auto read = QFile::ReadOwner | QFile::ExeOwner;
    EXPECT_TRUE(QFile::setPermissions(folder.path(), bWritable ? read | QFile::WriteOwner : read));
}

// An imported picture that the lists do not show is offered a copy they show: a JPEG, its
// transparent half white, or the same bytes when only the name is amiss; never over a file. The
// trail picker then chooses it and both list it. One that cannot be made is told of, and the
// import stays. Run as an ordinary user, for whom a read-only folder is so.
TEST_F(Editor, OffersACopyThatTheListsShowOfAnImportedPicture)
{
    if (RanAsOrdinaryUser())
        return;
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(20, 0, 20, 30, Qt::red);
    app.MakeFolder(u"outside"_s);
    for (const QString& format : {u"png"_s, u"webp"_s})
        EXPECT_TRUE(picture.save(app.NativeFile(u"outside/photo."_s + format)));
    app.WriteFile(u"outside/photo.GIF"_s, Gif);
    app.WriteFile(u"outside/notes.png"_s, "not a picture");
    const struct {
        QString file;
        bool throughMenu, taken, readOnly; // taken: home holds a "photo.jpg" of its own
        QString answer, copy, trails;      // no answer: no question; the trail picker's choice
    } cases[] = {
        {u"photo.png"_s, false, false, false, u"Yes"_s, u"photo.jpg"_s, u"photo.jpg"_s},
        {u"photo.png"_s, false, false, false, u"No"_s, u"photo.jpg"_s, None},
        {u"photo.png"_s, true, true, false, u"Yes"_s, u"photo-2.jpg"_s, u"heart.gif"_s},
        {u"photo.webp"_s, false, false, false, u"Yes"_s, u"photo.jpg"_s, u"photo.jpg"_s},
        {u"photo.GIF"_s, false, false, false, u"Yes"_s, u"photo.gif"_s, u"photo.gif"_s},
        {u"notes.png"_s, false, false, false, {}, u"notes.jpg"_s, None},
        {u"photo.png"_s, false, false, true, u"Yes"_s, u"photo.jpg"_s, None},
    };
    QDir home(app.NativeFile(u"home"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE((c.file + u' ' + c.answer).toStdString());
        SetWritable(home, true);
        for (const QString& file : home.entryList({u"photo*"_s, u"notes*"_s}))
            EXPECT_TRUE(home.remove(file));
        if (c.taken)
            app.WriteFile(u"home/photo.jpg"_s, "mine");
        Open(Page());
        Answers answers({c.answer, u"OK"_s});
        answers.beforeEach = [&] { SetWritable(home, !c.readOnly); };
        ModalDriver fileDialog([&](QWidget* dialog) {
            TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/"_s + c.file));
            PressKey(dialog, Qt::Key_Return);
        });
        auto* trails = Child<usrHomeImages>(u"cmbMouseTrails"_s);
        if (c.throughMenu)
            Child<QAction>(u"mnuFile_16"_s)->trigger();
        else
            Choose(trails->findChild<QComboBox*>(), usrHomeImages::ImportEntry.toString());

        QStringList said;
        if (!c.answer.isEmpty())
            said << u"\"%1\" is in the pictures folder now, but the lists show only .gif, .jpg and "
                    u".bmp pictures. Make a copy \"%2\" that they show?"_s.arg(c.file, c.copy);
        if (c.readOnly)
            said << u"\"%1\" is in the pictures folder, but the copy \"%2\" could not be made.\n70 "
                    u"You do not have permission to write the file \"%3/home/%2\"."_s.arg(
                        c.file, c.copy, QDir::toNativeSeparators(app.NativeFile({})));
        EXPECT_EQ(answers.said, said);
        EXPECT_EQ(Home(c.file), app.ReadFile(u"outside/"_s + c.file));
        const bool made = c.answer == u"Yes"_s && !c.readOnly;
        EXPECT_EQ(home.entryList({u"photo*"_s, u"notes*"_s}).size(), 1 + c.taken + made);
        EXPECT_EQ(Home(u"photo.jpg"_s) == "mine", c.taken);
        QImageReader reader(home.filePath(c.copy));
        const QByteArray format = reader.format();
        const QImage copy = reader.read();
        if (made) {
            EXPECT_TRUE(c.copy.endsWith(u".gif"_s)
                            ? Home(c.copy) == Gif
                            : format == "jpeg" && copy.size() == picture.size() &&
                                  qGray(copy.pixel(5, 15)) > 245 &&
                                  copy.pixelColor(35, 15).red() > 230 &&
                                  copy.pixelColor(35, 15).green() < 25);
        }
        for (const auto* picker : {Child<usrHomeImages>(u"cmbWallpaper"_s), trails})
            EXPECT_EQ(picker->findChild<QComboBox*>()->findText(c.copy) > 1, made || c.taken);
        EXPECT_EQ(trails->Text(), c.trails);
    }
    SetWritable(home, true);
}

// A picture chosen from a subfolder of home, in any picker, is offered a copy in home itself,
// which every picker lists and the chooser chooses; a file of its name there is chosen as it is.
// One question for each choice: none as a page with it opens, nor on Undo and Redo.
TEST_F(Editor, OffersToCopyAPictureChosenFromASubfolderIntoHome)
{
    if (RanAsOrdinaryUser())
        return;
    WritePicture(u"home/animals/zebra.bmp"_s, {16, 8}, Qt::black);
    app.WriteFile(u"home/animals/wild/lion.gif"_s, Gif);
    const QByteArray zebra = Home(u"animals/zebra.bmp"_s);
    const QString deeper = QDir::toNativeSeparators(u"animals/wild"_s);
    const struct {
        QString picker, chosen, folder, answer; // the link dialog's picker is cmbImages
        bool taken, readOnly;                   // taken: home holds a "zebra.bmp" of its own
        QByteArray inHome;                      // the file of its name in home afterwards
    } cases[] = {
        {u"cmbImages"_s, u"zebra.bmp"_s, u"animals"_s, u"Yes"_s, false, false, zebra},
        {u"cmbMouseTrails"_s, u"lion.gif"_s, deeper, u"No"_s, false, false, {}},
        {u"cmbWallpaper"_s, u"zebra.bmp"_s, u"animals"_s, u"Yes"_s, true, false, "mine"},
        {u"cmbWallpaper"_s, u"zebra.bmp"_s, u"animals"_s, u"Yes"_s, false, true, {}},
        {u"cmbMouseTrails"_s, u"ball.jpg"_s, {}, {}, false, false, "picture"},
    };
    QDir home(app.NativeFile(u"home"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE((c.picker + u' ' + c.chosen + u' ' + c.answer).toStdString());
        home.remove(u"zebra.bmp"_s);
        home.remove(u"lion.gif"_s);
        if (c.taken)
            app.WriteFile(u"home/zebra.bmp"_s, "mine");
        Open(Page());
        SetWritable(home, !c.readOnly);
        Answers answers({c.answer, u"OK"_s});
        // The entries of the name: the one in home first, if any, then the subfolder's.
        const auto entries = [&](QWidget* form, const QString& sPicker) {
            auto* list = form->findChild<QWidget*>(sPicker)->findChild<QComboBox*>();
            return std::pair(list, list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                        c.chosen, -1, Qt::MatchExactly));
        };
        const auto choose = [&](QWidget* form) {
            const auto [list, rows] = entries(form, c.picker);
            const int last = rows.constLast().row();
            list->setFocus();
            list->showPopup();
            ClickItem(list->view(), last);
            EXPECT_EQ(list->currentIndex(), c.inHome.isEmpty() ? last : list->findText(c.chosen));
        };
        if (c.picker == u"cmbImages"_s) {
            ModalDriver dialog([&](QWidget* link) {
                choose(link);
                ClickButton(link, u"OK"_s);
            });
            ClickButton(window.get(), u"cmdLink_0"_s);
        } else {
            choose(window.get());
            Child(u"txtTitle"_s)->setFocus();
        }
        QStringList said;
        if (!c.answer.isEmpty())
            said << u"\"%1\" lies in the folder \"%2\", but the page finds only pictures that lie "
                    u"in the pictures folder itself. Copy it there?"_s.arg(c.chosen, c.folder);
        if (c.readOnly)
            said << u"Could not copy \"zebra.bmp\" into the pictures folder.\n70 You do not have "
                    u"permission to write the file \"%1/home/zebra.bmp\"."_s.arg(
                        QDir::toNativeSeparators(app.NativeFile({})));
        EXPECT_EQ(answers.said, said);
        EXPECT_EQ(Home(c.chosen), c.inHome);
        const CWebPage& page = window->Page();
        EXPECT_TRUE(page.Wallpaper() == c.chosen || page.MouseTrails() == c.chosen ||
                    page.Links().Item(page.Links().Count())->MainPicture() == c.chosen);
        for (const QString& picker : {u"cmbWallpaper"_s, u"cmbMouseTrails"_s})
            EXPECT_EQ(entries(window.get(), picker).second.size(),
                      !c.inHome.isEmpty() + !c.folder.isEmpty());
        SetWritable(home, true);
        for (const QString& item : {u"mnuEdit_0"_s, u"mnuEdit_1"_s})
            Child<QAction>(item)->trigger();
        Open(window->Page());
        EXPECT_EQ(answers.said, said);
    }
}
