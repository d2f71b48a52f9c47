#include "ModalDriver.h"
#include "NativePath.h"
#include "TempAppFolder.h"
#include "basProcsDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using basProcs::ShowFileDialog;

namespace
{

const QString PictureFilter = u"Picture Files,*.gif;*.jpg;*.bmp,All Files,*.*"_s;

struct Case {
    const char* name;
    QString initial; // below the application folder
    qint16 mode;
    QString filter;
    QString defaultExt;
    QString typed;    // empty: the user cancels
    QString folder;   // where the dialog opened, below the application folder
    QString expected; // the chosen file in that folder, empty after a cancel
};

class FileDialog : public ::testing::TestWithParam<Case>
{
};

TEST_P(FileDialog, OpensOnTheFolderAndGivesTheChosenPath)
{
    const Case& c = GetParam();
    TempAppFolder app;
    app.MakeFolder(u"pics"_s);
    QString shown;
    ModalDriver driver([&](QWidget* dialog) {
        shown = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
        if (c.typed.isEmpty())
            return ClickButton(dialog, u"Cancel"_s);
        TypeInto(dialog, u"fileNameEdit"_s, c.typed);
        PressKey(dialog, Qt::Key_Return);
    });

    QString fileName = u"left over"_s;
    const qint32 result = ShowFileDialog(fileName, c.mode, nullptr, u"Import Picture"_s,
                                         app.Path() + c.initial, c.filter, c.defaultExt);

    const QString folder = app.Path() + c.folder;
    EXPECT_EQ(shown, NativePath(folder));
    EXPECT_EQ(result != 0, !c.expected.isEmpty());
    EXPECT_EQ(fileName, c.expected.isEmpty() ? QString() : folder + u'\\' + c.expected);
}

const QString Pics = u"\\pics"_s;

INSTANTIATE_TEST_SUITE_P(
    Cases, FileDialog,
    ::testing::Values(
        Case{"FirstPatternExtension", Pics, 0, PictureFilter, {}, u"cat"_s, Pics, u"cat.bmp"_s},
        Case{"GivenExtension", Pics, 0, PictureFilter, u"gif"_s, u"cat"_s, Pics, u"cat.gif"_s},
        Case{"TypedExtensionKept", Pics, 0, PictureFilter, {}, u"cat.jpg"_s, Pics, u"cat.jpg"_s},
        Case{"WildcardIsNoExtension", Pics, 0, u"All,*.*"_s, {}, u"notes"_s, Pics, u"notes"_s},
        Case{"Save", Pics, 1, u"Web Pages,*.html"_s, {}, u"page"_s, Pics, u"page.html"_s},
        Case{"TrailingBackslash", u"\\pics\\"_s, 0, PictureFilter, {}, u"a"_s, Pics, u"a.bmp"_s},
        Case{"MissingFolder", u"\\nowhere"_s, 0, PictureFilter, {}, u"a"_s, {}, u"a.bmp"_s},
        Case{"Cancel", Pics, 0, PictureFilter, {}, {}, Pics, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileDialogFilter, ListsTheChoicesWithTheFirstSelected)
{
    TempAppFolder app;
    QStringList shown;
    int current = -1;
    QString patterns;
    ModalDriver driver([&](QWidget* dialog) {
        patterns = qobject_cast<QFileDialog*>(dialog)->nameFilters().value(0);
        auto* choices = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
        for (int i = 0; i < choices->count(); ++i)
            shown << choices->itemText(i);
        current = choices->currentIndex();
        ClickButton(dialog, u"Cancel"_s);
    });
    QString fileName;
    ShowFileDialog(fileName, 0, nullptr, u"Import"_s, app.Path(), PictureFilter);

    EXPECT_EQ(shown, QStringList({u"Picture Files"_s, u"All Files"_s}));
    EXPECT_EQ(current, 0);
    EXPECT_EQ(patterns, u"Picture Files (*.gif *.jpg *.bmp)"_s);
}

TEST(FileDialogFilter, OtherModeShowsNothing)
{
    TempAppFolder app;
    QString fileName = u"left over"_s;
    ModalDriver driver([](QWidget* dialog) { ClickButton(dialog, u"Cancel"_s); });

    EXPECT_EQ(ShowFileDialog(fileName, 2, nullptr, u"Import"_s, app.Path(), PictureFilter), 0);
    EXPECT_TRUE(fileName.isEmpty());
    EXPECT_FALSE(driver.Ran());
}

} // namespace
