#include "../support/QStringPrinter.h"
#include "Error.h"
#include "MessageBoxSeen.h"
#include "PickerDriving.h"
#include "TempAppFolder.h"
#include "usrHomeImages.h"

#include <QComboBox>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

const QString None = usrHomeImages::NoneEntry.toString();
const QString Import = usrHomeImages::ImportEntry.toString();

// A window with one picker; each folder it is pointed at lies in a fresh application folder.
class Picker : public ::testing::Test
{
protected:
    Picker() { window.show(); }

    void Open(const QString& sFolder, const QStringList& files)
    {
        app.MakeFolder(sFolder);
        for (const QString& file : files)
            app.WriteFile(sFolder + u'/' + file, "old");
        picker->SetImagesPath(app.Path() + u'\\' + sFolder);
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

TEST_F(Picker, ListsThePicturesOfTheFolderThenOfItsSubfolders)
{
    EXPECT_EQ(picker->ListIndex(), -1);
    const struct {
        QStringList files;
        QStringList pictures;
    } cases[] = {
        {{u"notes.txt"_s}, {}},
        {{u"a.gif"_s, u"B.GIF"_s, u"c.txt"_s}, {u"a.gif"_s}},
        {{u"sub/z.gif"_s, u"y.bmp"_s}, {u"y.bmp"_s, u"z.gif"_s}},
        {{u"cat & dog #1 \u00e9.jpg"_s}, {u"cat & dog #1 \u00e9.jpg"_s}},
    };
    int folder = 0;
    for (const auto& c : cases) {
        Open(u"home%1"_s.arg(++folder), c.files);
        EXPECT_EQ(Entries(), QStringList({None, Import}) + c.pictures);
        EXPECT_EQ(picker->ListIndex(), 0);
    }
}

TEST_F(Picker, KeepsTheChoiceWhileTheFolderListsIt)
{
    Open(u"home"_s, {u"cat.gif"_s});
    Choose(list, u"cat.gif"_s);
    Open(u"same"_s, {u"cat.gif"_s});
    EXPECT_EQ(picker->Text(), u"cat.gif"_s);
    Open(u"other"_s, {u"dog.gif"_s});
    EXPECT_EQ(picker->Text(), None);
}

// The user chooses "(Import Picture...)" with a picture chosen, types a file name of the folder
// "outside" in the dialog (or cancels it) and answers the message box that may follow.
TEST_F(Picker, ImportsIntoTheFolderAndChoosesWhatIsListed)
{
    for (const QString& name : {u"new & #1 \u00e9.gif"_s, u"cat.gif"_s, u"photo.png"_s, u"B.GIF"_s})
        app.WriteFile(u"outside/"_s + name, "new");
    const struct {
        QString typed; // empty: cancel
        bool allFiles;
        QString message; // the start of the message box's text; empty: none
        QString chosen;
        int events;
        QByteArray copied; // the folder's file of the typed name afterwards
    } cases[] = {
        {{}, false, {}, None, 0, {}},
        {u"new & #1 \u00e9.gif"_s, false, {}, u"new & #1 \u00e9.gif"_s, 1, "new"},
        {u"photo.png"_s, true, {}, None, 1, "new"},
        {u"B.GIF"_s, false, {}, None, 1, "new"},
        {u"cat.gif"_s, false, u"A file with that name already exists in the folder."_s, None, 0,
         "old"},
        {u"gone.gif"_s, false, u"Could not import picture.\n53 "_s, None, 0, {}},
    };
    int folder = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QString home = u"home%1"_s.arg(++folder);
        Open(home, {u"cat.gif"_s});
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

        EXPECT_EQ(messageBox && messageBox->Ran(), !c.message.isEmpty());
        EXPECT_TRUE(seen.text.startsWith(c.message)) << seen.text.toStdString();
        // Only a failure has an icon, and it names the file at fault.
        EXPECT_EQ(seen.icon == QMessageBox::Critical,
                  !c.typed.isEmpty() && seen.text.contains(c.typed));
        EXPECT_EQ(picker->Text(), c.chosen);
        EXPECT_EQ(events.count(), c.events);
        EXPECT_EQ(app.ReadFile(home + u'/' + c.typed), c.copied);
    }
}

TEST_F(Picker, ChoosingImportByCodeRunsTheImport)
{
    Open(u"home"_s, {u"cat.gif"_s});
    picker->SetText(u"cat.gif"_s);
    ModalDriver fileDialog([](QWidget* dialog) { ClickButton(dialog, u"Cancel"_s); });
    picker->SetListIndex(1);
    EXPECT_TRUE(fileDialog.Ran());
    EXPECT_EQ(picker->Text(), None);
}

TEST_F(Picker, KeepsTheChoiceWhenAskedForOneOutsideTheEntries)
{
    Open(u"home"_s, {u"cat.gif"_s});
    picker->SetText(u"cat.gif"_s);
    const auto errorOf = [this](qint16 iIndex) {
        try {
            picker->SetListIndex(iIndex);
        } catch (const Error& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf(-2), Error::InvalidPropertyValue);
    EXPECT_EQ(errorOf(3), Error::InvalidPropertyValue);
    picker->SetText(u"CAT.GIF"_s);
    EXPECT_EQ(picker->Text(), u"cat.gif"_s);
}

TEST_F(Picker, HeightFollowsTheListWidthFollowsTheHost)
{
    for (const QSize size : {QSize(500, 100), QSize(200, 5)}) {
        picker->setGeometry(QRect(QPoint(10, 10), size));
        EXPECT_EQ(picker->height(), list->sizeHint().height());
        EXPECT_EQ(list->geometry(), QRect(0, 0, size.width(), picker->height()));
    }
}

} // namespace
