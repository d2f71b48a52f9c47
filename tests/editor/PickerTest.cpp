#include "editor/EditorFixture.h"
#include "support/Error.h"

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
