#include "editor/EditorFixture.h"
#include "support/Error.h"

using namespace Qt::StringLiterals;

namespace
{

// The folder's pictures come before its subfolders'. An index outside the entries is refused and
// a choice stays while the folder lists it. The host chooses the width, the list the height.
TEST_F(Editor, ThePickerListsTheFolderBeforeItsSubfoldersAndTakesTheListsHeight)
{
    usrHomeImages picker;
    const QComboBox* list = picker.findChild<QComboBox*>();
    picker.show();
    for (const QString& file : {u"notes.txt"_s, u"B.GIF"_s, u"sub/a.gif"_s, u"#1 & \u00e9.jpg"_s})
        app.WriteFile(u"one/"_s + file);
    picker.SetImagesPath(app.Path() + u"\\one"_s);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    EXPECT_EQ(entries, QStringList({None, usrHomeImages::ImportEntry.toString(),
                                    u"#1 & \u00e9.jpg"_s, u"a.gif"_s}));
    EXPECT_EQ(picker.ListIndex(), 0);

    picker.SetText(u"a.gif"_s);
    for (const qint16 index : {-2, 4}) {
        try {
            picker.SetListIndex(index);
            ADD_FAILURE() << "no error for " << index;
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), Error::InvalidPropertyValue);
        }
    }
    app.WriteFile(u"one/b.gif"_s);
    picker.ReloadImagesList();
    EXPECT_EQ(picker.Text(), u"a.gif"_s);
    picker.SetImagesPath(app.Path() + u"\\home"_s);
    EXPECT_EQ(picker.Text(), None);

    for (const QSize size : {QSize(500, 100), QSize(200, 5)}) {
        picker.setGeometry(QRect(QPoint(10, 10), size));
        EXPECT_EQ(list->geometry(), QRect(0, 0, size.width(), list->sizeHint().height()));
        EXPECT_EQ(picker.height(), list->height());
    }
}

} // namespace
