#include "editor/Thumbnails.h"

#include "editor/EditorFixture.h"

#include <QImage>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace
{

void WritePicture(const TempAppFolder& app, const QString& sFile, QSize size, Qt::GlobalColor color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    app.MakeFolder(QFileInfo(sFile).path());
    ASSERT_TRUE(picture.save(app.NativeFile(sFile)));
}

// The colour in the middle of an entry's icon, and the icon's size; black and empty for none.
std::pair<QColor, QSize> Thumbnail(const QComboBox* list, const QString& sEntry)
{
    const QPixmap shown = list->itemIcon(list->findText(sEntry)).pixmap(Thumbnails::Size);
    if (shown.isNull())
        return {QColor(Qt::black), QSize()};
    return {shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), shown.size()};
}

const QString Damaged = u"broken.gif"_s;

// Opens the list and waits until the entries that can be read show their thumbnails and the
// damaged one has been found so.
void OpenAndWait(QComboBox* list, const QSignalSpy& ready)
{
    list->showPopup();
    const qint64 placeholder = Thumbnails::Shared().Placeholder().cacheKey();
    const auto done = [&] {
        for (int row = 2; row < list->count(); ++row) {
            if (list->itemText(row) != Damaged && list->itemIcon(row).cacheKey() == placeholder)
                return false;
        }
        return ready.contains({list->itemData(list->findText(Damaged))});
    };
    EXPECT_TRUE(QTest::qWaitFor(done, 20000));
    list->hidePopup();
}

// The entries stay as they were and show their pictures once the list is opened: at thumbnail
// size, in proportion. A damaged picture keeps the placeholder. A picture changed on disk shows
// its new look when the list is rebuilt, as after an import, which lists the new picture too.
TEST_F(Editor, PictureEntriesShowThumbnailsOnceRead)
{
    WritePicture(app, u"pics/red.bmp"_s, {64, 48}, Qt::red);
    WritePicture(app, u"pics/sub/blue.jpg"_s, {8, 8}, Qt::blue);
    app.WriteFile(u"pics/"_s + Damaged, "GIF89a, and then nothing");
    usrHomeImages picker;
    auto* list = picker.findChild<QComboBox*>();
    picker.show();
    const QSignalSpy ready(&Thumbnails::Shared(), &Thumbnails::Ready);
    picker.SetImagesPath(app.Path() + u"\\pics"_s);
    OpenAndWait(list, ready);
    ASSERT_EQ(list->count(), 5);
    EXPECT_TRUE(list->itemIcon(0).isNull());
    EXPECT_EQ(Thumbnail(list, u"red.bmp"_s), std::pair(QColor(Qt::red), QSize(32, 24)));
    EXPECT_EQ(list->itemIcon(list->findText(Damaged)).cacheKey(),
              Thumbnails::Shared().Placeholder().cacheKey());

    WritePicture(app, u"pics/red.bmp"_s, {60, 60}, Qt::green);
    WritePicture(app, u"outside/new.jpg"_s, {32, 32}, Qt::yellow);
    ModalDriver fileDialog([&](QWidget* dialog) {
        TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/new.jpg"_s));
        PressKey(dialog, Qt::Key_Return);
    });
    Choose(list, usrHomeImages::ImportEntry.toString());
    OpenAndWait(list, ready);
    const std::tuple<QString, QColor, QSize> shown[] = {
        {u"red.bmp"_s, Qt::green, {32, 32}},
        {u"blue.jpg"_s, Qt::blue, {8, 8}},
        {u"new.jpg"_s, Qt::yellow, {32, 32}},
    };
    for (const auto& [entry, color, size] : shown) {
        const auto [centre, shownSize] = Thumbnail(list, entry);
        EXPECT_LT(std::abs(centre.hue() - QColor(color).hue()), 10) << qPrintable(entry);
        EXPECT_EQ(shownSize, size) << qPrintable(entry);
    }
    EXPECT_EQ(picker.Text(), u"new.jpg"_s);
}

} // namespace
