#include "Error.h"
#include "MessageBoxSeen.h"
#include "PickerDriving.h"
#include "TempAppFolder.h"
#include "usrHomeImages.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

const QString None = usrHomeImages::NoneEntry.toString();
const QString Import = usrHomeImages::ImportEntry.toString();

// A window with one picker, on the home folder of a fresh application folder.
class Picker : public ::testing::Test
{
protected:
    void Open(const QStringList& files)
    {
        app.MakeFolder(u"home"_s);
        for (const QString& file : files)
            app.WriteFile(file, "old");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        picker->SetImagesPath(app.Path() + u"\\home"_s);
    }

    QStringList Entries() const
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }

    TempAppFolder app;
    QWidget window;
    usrHomeImages* picker = new usrHomeImages(&window);
    QComboBox* list = picker->findChild<QComboBox*>(u"cmbImages"_s);
};

TEST_F(Picker, StartsEmpty)
{
    EXPECT_EQ(picker->Text(), QString());
    EXPECT_EQ(picker->ListIndex(), -1);
    EXPECT_TRUE(Entries().isEmpty());
}

struct ListCase {
    const char* name;
    QStringList files;
    QStringList pictures; // listed after "(None)" and "(Import Picture...)"
};

class PickerList : public Picker, public ::testing::WithParamInterface<ListCase>
{
};

TEST_P(PickerList, ListsThePicturesWithNoneChosen)
{
    Open(GetParam().files);
    EXPECT_EQ(Entries(), QStringList({None, Import}) + GetParam().pictures);
    EXPECT_EQ(picker->Text(), None);
    EXPECT_EQ(picker->ListIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PickerList,
                         ::testing::Values(ListCase{"NoPictures", {u"home/notes.txt"_s}, {}},
                                           ListCase{
                                               "PatternsAreCaseSensitive",
                                               {u"home/a.gif"_s, u"home/B.GIF"_s, u"home/c.txt"_s},
                                               {u"a.gif"_s}},
                                           ListCase{"SubfolderAfterTheFolder",
                                                    {u"home/sub/z.gif"_s, u"home/y.bmp"_s},
                                                    {u"y.bmp"_s, u"z.gif"_s}},
                                           ListCase{"OddNames",
                                                    {u"home/my cat & dog #1 \u00e9.jpg"_s},
                                                    {u"my cat & dog #1 é.jpg"_s}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FolderCase {
    const char* name;
    QString otherPicture;
    QString chosen;
};

class PickerFolder : public Picker, public ::testing::WithParamInterface<FolderCase>
{
};

TEST_P(PickerFolder, KeepsTheChoiceOnlyWhenTheNewFolderListsIt)
{
    Open({u"home/cat.gif"_s, u"other/"_s + GetParam().otherPicture});
    Choose(list, u"cat.gif"_s);
    ASSERT_EQ(picker->Text(), u"cat.gif"_s);

    picker->SetImagesPath(app.Path() + u"\\other"_s);
    EXPECT_EQ(picker->Text(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Cases, PickerFolder,
                         ::testing::Values(FolderCase{"Listed", u"cat.gif"_s, u"cat.gif"_s},
                                           FolderCase{"Gone", u"dog.gif"_s, None}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ImportCase {
    const char* name;
    QString typed; // a file name in the folder "outside"; empty: the user cancels
    bool allFiles;
    QString message; // the start of the message box's text; empty: no message box
    QMessageBox::Icon icon;
    QString chosen;
    int events;
    QByteArray copied; // home's file of the typed name afterwards; empty: none
};

class PickerImport : public Picker, public ::testing::WithParamInterface<ImportCase>
{
};

// The user chooses "(Import Picture...)" with a picture chosen before, types a file name in the
// dialog and answers the message box that may follow.
TEST_P(PickerImport, CopiesIntoTheFolderAndChoosesWhatIsListed)
{
    const ImportCase& c = GetParam();
    Open({u"home/a.gif"_s, u"home/cat.gif"_s});
    for (const QString& name : {u"new & #1 \u00e9.gif"_s, u"a.gif"_s, u"photo.png"_s, u"B.GIF"_s})
        app.WriteFile(u"outside/"_s + name, "new");
    Choose(list, u"cat.gif"_s);
    QSignalSpy events(picker, &usrHomeImages::NewImagesImported);

    MessageBoxSeen seen;
    std::optional<ModalDriver> messageBox;
    ModalDriver fileDialog([&](QWidget* dialog) {
        if (c.typed.isEmpty())
            return ClickButton(dialog, u"Cancel"_s);
        if (c.allFiles)
            Choose(dialog->findChild<QComboBox*>(u"fileTypeCombo"_s), u"All Files"_s);
        messageBox.emplace(AnswerMessageBox(u"OK"_s, seen));
        auto* fileName = dialog->findChild<QWidget*>(u"fileNameEdit"_s);
        fileName->setFocus();
        TypeText(fileName, app.NativeFile(u"outside/"_s + c.typed));
        PressKey(dialog, Qt::Key_Return);
    });
    Choose(list, Import);

    EXPECT_TRUE(fileDialog.Ran());
    EXPECT_EQ(messageBox && messageBox->Ran(), !c.message.isEmpty());
    EXPECT_TRUE(seen.text.startsWith(c.message)) << seen.text.toStdString();
    // A failure names the file at fault.
    EXPECT_TRUE(c.icon != QMessageBox::Critical || seen.text.contains(c.typed));
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(picker->Text(), c.chosen);
    EXPECT_EQ(events.count(), c.events);
    EXPECT_EQ(app.ReadFile(u"home/"_s + c.typed), c.copied);
}

const QString Exists = u"A file with that name already exists in the folder."_s;
const QString CopyFailed = u"Could not import picture.\n53 "_s;
constexpr auto NoIcon = QMessageBox::NoIcon;

INSTANTIATE_TEST_SUITE_P(
    Cases, PickerImport,
    ::testing::Values(
        ImportCase{"Cancel", {}, false, {}, NoIcon, None, 0, {}},
        ImportCase{"OddName",
                   u"new & #1 \u00e9.gif"_s,
                   false,
                   {},
                   NoIcon,
                   u"new & #1 \u00e9.gif"_s,
                   1,
                   "new"},
        ImportCase{"AllFilesUnlisted", u"photo.png"_s, true, {}, NoIcon, None, 1, "new"},
        ImportCase{"UpperCaseUnlisted", u"B.GIF"_s, false, {}, NoIcon, None, 1, "new"},
        ImportCase{"NameTaken", u"a.gif"_s, false, Exists, NoIcon, None, 0, "old"},
        ImportCase{
            "MissingFile", u"gone.gif"_s, false, CopyFailed, QMessageBox::Critical, None, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Picker, ChoosingImportByCodeRunsTheImport)
{
    Open({u"home/cat.gif"_s});
    picker->SetText(u"cat.gif"_s);
    ModalDriver fileDialog([](QWidget* dialog) { ClickButton(dialog, u"Cancel"_s); });
    picker->SetListIndex(1);
    EXPECT_TRUE(fileDialog.Ran());
    EXPECT_EQ(picker->Text(), None);
}

struct RefusedCase {
    const char* name;
    std::function<void(usrHomeImages&)> choose;
    qint32 error; // 0: none reaches the caller
};

class PickerRefuses : public Picker, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(PickerRefuses, AChoiceOutsideTheEntriesAndKeepsTheOldOne)
{
    Open({u"home/cat.gif"_s});
    picker->SetText(u"cat.gif"_s);
    qint32 error = 0;
    try {
        GetParam().choose(*picker);
    } catch (const Error& e) {
        error = e.Number();
    }
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(picker->Text(), u"cat.gif"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PickerRefuses,
    ::testing::Values(
        RefusedCase{"IndexPastTheEnd", [](usrHomeImages& p) { p.SetListIndex(3); }, 380},
        RefusedCase{"IndexBelowNone", [](usrHomeImages& p) { p.SetListIndex(-2); }, 380},
        RefusedCase{"TextInOtherCase", [](usrHomeImages& p) { p.SetText(u"CAT.GIF"_s); }, 0},
        RefusedCase{"TextUnlisted", [](usrHomeImages& p) { p.SetText(u"dog.gif"_s); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Picker, HeightFollowsTheListWidthFollowsTheHost)
{
    Open({});
    for (const QSize size : {QSize(500, 100), QSize(200, 5)}) {
        picker->setGeometry(QRect(QPoint(10, 10), size));
        EXPECT_EQ(picker->height(), list->sizeHint().height());
        EXPECT_EQ(list->geometry(), QRect(0, 0, size.width(), picker->height()));
    }
}

} // namespace
