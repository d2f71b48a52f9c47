#include "editor/EditorFixture.h"
#include "editor/Thumbnails.h"
#include "support/Error.h"

#include <QImage>
#include <QSignalSpy>

namespace
{

void WritePicture(const TempAppFolder& app, const QString& sFile, QSize size, Qt::GlobalColor color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    app.MakeFolder(QFileInfo(sFile).path());
    ASSERT_TRUE(picture.save(app.NativeFile(sFile)));
}

// The folder's pictures come before its subfolders', each entry showing its picture once the list
// is opened: at thumbnail size, in proportion; a damaged picture keeps the placeholder. A picture
// changed on disk shows its new look when the list is rebuilt, as after an import, which lists the
// new picture too. An index outside the entries is refused and a choice stays while the folder
// lists it. The host chooses the width, the list the height.
TEST_F(Editor, ThePickerListsThePicturesWithTheirThumbnails)
{
    WritePicture(app, u"pics/red.bmp"_s, {64, 48}, Qt::red);
    WritePicture(app, u"pics/sub/blue.jpg"_s, {8, 8}, Qt::blue);
    for (const QString& file : {u"notes.txt"_s, u"B.GIF"_s, u"sub/deeper/#1 & \u00e9.gif"_s})
        app.WriteFile(u"pics/"_s + file, "GIF89a, and then nothing");
    usrHomeImages picker;
    auto* list = picker.findChild<QComboBox*>();
    picker.show();
    const QSignalSpy ready(&Thumbnails::Shared(), &Thumbnails::Ready);
    const qint64 placeholder = Thumbnails::Shared().Placeholder().cacheKey();
    // Opens the list and waits until every picture but the damaged one shows its thumbnail, and
    // the damaged one has been found so; then the entries, each with the colour in the middle of
    // its thumbnail and its size.
    const auto shown = [&] {
        list->showPopup();
        const int damaged = list->findText(u"#1 & \u00e9.gif"_s);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                for (int row = 2; row < list->count(); ++row) {
                    if (row != damaged && list->itemIcon(row).cacheKey() == placeholder)
                        return false;
                }
                return ready.contains({list->itemData(damaged)});
            },
            20000));
        list->hidePopup();
        EXPECT_TRUE(list->itemIcon(0).isNull());
        EXPECT_EQ(list->itemIcon(damaged).cacheKey(), placeholder);
        QStringList entries{list->itemText(0), list->itemText(1)};
        for (int row = 2; row < list->count(); ++row) {
            const QImage image = list->itemIcon(row).pixmap(Thumbnails::Size).toImage();
            const int hue = image.pixelColor(image.width() / 2, image.height() / 2).hue();
            entries << u"%1 %2 %3x%4"_s.arg(list->itemText(row))
                           .arg((hue + 10) / 20)
                           .arg(image.width())
                           .arg(image.height());
        }
        return entries;
    };
    picker.SetImagesPath(app.Path() + u"\\pics"_s);
    const QStringList first = {None, usrHomeImages::ImportEntry.toString()};
    EXPECT_EQ(shown(), first + QStringList({u"red.bmp 0 32x24"_s, u"blue.jpg 12 8x8"_s,
                                            u"#1 & \u00e9.gif 0 32x32"_s}));
    EXPECT_EQ(picker.ListIndex(), 0);
    for (const qint16 index : {-2, 5})
        EXPECT_THROW(picker.SetListIndex(index), Error) << index;

    WritePicture(app, u"pics/red.bmp"_s, {60, 60}, Qt::green);
    WritePicture(app, u"outside/new.jpg"_s, {32, 32}, Qt::yellow);
    ModalDriver fileDialog([&](QWidget* dialog) {
        TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/new.jpg"_s));
        PressKey(dialog, Qt::Key_Return);
    });
    Choose(list, usrHomeImages::ImportEntry.toString());
    QStringList entries = shown();
    entries.sort();
    EXPECT_EQ(entries,
              QStringList({u"#1 & \u00e9.gif 0 32x32"_s, first[1], first[0], u"blue.jpg 12 8x8"_s,
                           u"new.jpg 3 32x32"_s, u"red.bmp 6 32x32"_s}));
    picker.ReloadImagesList();
    EXPECT_EQ(picker.Text(), u"new.jpg"_s);
    picker.SetImagesPath(app.Path() + u"\\home"_s);
    EXPECT_EQ(picker.Text(), None);
    for (const QSize size : {QSize(500, 100), QSize(200, 5)}) {
        picker.setGeometry(QRect(QPoint(10, 10), size));
        EXPECT_EQ(list->geometry(), QRect(0, 0, size.width(), list->sizeHint().height()));
        EXPECT_EQ(picker.height(), list->height());
    }
}

} // namespace
