#include "common/TabWalk.h"
#include "editor/EditorFixture.h"
#include "toolkit/WebBrowser.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace
{

// Closing asks first; Yes saves the title being typed, No writes no file. A save that fails (a
// folder stands in the page's place) is told, naming the file; the window stays, losing nothing.
TEST_F(Editor, AsksOnEveryCloseAndSavesOnYes)
{
    const std::pair<QString, bool> ways[] = {{u"Yes"_s, false}, {u"No"_s, false}, {u"Yes"_s, true}};
    for (const auto& [answer, fails] : ways) {
        SCOPED_TRACE(answer.toStdString() + (fails ? " fails" : ""));
        QFile::remove(app.NativeFile(u"home/qzhome.html"_s));
        Open(Page());
        const QByteArray before = app.ReadFile(u"home/qzhome.dat"_s);
        TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
        if (fails)
            app.MakeFolder(u"home/qzhome.html"_s);
        MessageBoxSeen question, failure;
        std::optional<ModalDriver> failureBox;
        ModalDriver driver([&](QWidget* box) {
            failureBox.emplace(AnswerMessageBox(u"OK"_s, failure));
            AnswerMessageBox(answer, question)(box);
        });
        window->close();

        EXPECT_EQ(question.text, u"Save Home Page before exiting?"_s);
        EXPECT_EQ(question.buttons, QStringList({u"No"_s, u"Yes"_s}));
        EXPECT_EQ(failure.text.contains(DisplayPath(app.Path() + u"\\home\\qzhome.html"_s)), fails);
        EXPECT_EQ(failure.text.contains(u"settings were saved, but the home page itself was not"_s),
                  fails);
        EXPECT_EQ(window->isVisible(), fails);
        if (fails) {
            QDir(app.NativeFile(u"home/qzhome.html"_s)).removeRecursively();
            PressCtrlS();
        }
        const bool yes = answer == u"Yes"_s;
        EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), yes ? Golden(u"saved.dat"_s) : before);
        EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), yes ? Golden(u"saved.html"_s) : "");
    }
}

// A first run opens on a new page without a word. A damaged settings file opens on what could be
// read and is kept under a free name; the message names the file, the fault and the copy.
TEST_F(Editor, OpensOnWhatCouldBeReadAndKeepsADamagedFile)
{
    const QByteArray header = "\"QZBROWSE_CFG_001\"\r\n";
    const QByteArray values = "\"My Home Page\"\r\n\"Welcome\"\r\n\"sky.jpg\"\r\n";
    const struct {
        QByteArray settings; // empty: no home folder
        QString problem, copy;
    } cases[] = {
        {{}, {}, {}},
        {"\"qzbrowse_cfg_001\"\r\n" + values, u"is not a home page settings file"_s,
         u"qzhome-damaged.dat"_s},
        {header + values, u"ends before line 5"_s, u"qzhome-damaged-2.dat"_s},
        {header + values + "\"99999999999\"\r\n", u"line 5 (the background colour)"_s,
         u"qzhome-damaged.dat"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem.toStdString());
        QDir(app.NativeFile(u"home"_s)).removeRecursively();
        if (!c.settings.isEmpty())
            app.WriteFile(u"home/qzhome.dat"_s, c.settings);
        if (c.copy.endsWith(u"-2.dat"_s))
            app.WriteFile(u"home/qzhome-damaged.dat"_s, "older");
        MessageBoxSeen seen;
        ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
        window = std::make_unique<frmMain>();
        window->show();
        EXPECT_EQ(QTest::qWaitFor([&] { return driver.Ran(); }, c.problem.isEmpty() ? 300 : 10000),
                  !c.problem.isEmpty());

        for (const QString& part : {DisplayPath(app.Path() + u"\\home\\qzhome.dat"_s), c.problem,
                                    DisplayPath(app.Path() + u"\\home\\"_s + c.copy)})
            EXPECT_TRUE(c.problem.isEmpty() || seen.text.contains(part)) << qPrintable(seen.text);
        EXPECT_EQ(app.ReadFile(u"home/"_s + c.copy), c.settings);
        EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(),
                  c.settings.startsWith(header) ? u"My Home Page"_s : QString());
        EXPECT_TRUE(app.Exists(u"home/qzhometmp.html"_s));
    }
}

// A picture copied through the mouse-trail picker's own entry or the File menu is listed by both
// pickers; only the picker whose entry imported it chooses it.
TEST_F(Editor, ImportsAPictureIntoTheHomeFolder)
{
    const QString odd = u"new & #1.gif"_s;
    for (const QString& name : {odd, u"heart.gif"_s})
        app.WriteFile(u"outside/"_s + name, "new");
    const struct {
        QString typed; // empty: cancel
        bool throughMenu;
        QString message;   // the first line of the message
        QString trails;    // the mouse-trail picker's choice afterwards
        QByteArray copied; // the home folder's file of the typed name afterwards
    } cases[] = {
        {{}, false, {}, None, {}},
        {odd, false, {}, odd, "new"},
        {odd, true, {}, u"heart.gif"_s, "new"},
        {u"heart.gif"_s, false, u"A file with that name already exists in the folder."_s, None,
         "picture"},
        {u"gone.gif"_s, false, u"Could not import picture."_s, None, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QFile::remove(app.NativeFile(u"home/"_s + odd));
        Open(Page());
        MessageBoxSeen seen;
        std::optional<ModalDriver> messageBox;
        ModalDriver fileDialog([&](QWidget* dialog) {
            if (c.typed.isEmpty())
                return ClickButton(dialog, u"Cancel"_s);
            messageBox.emplace(AnswerMessageBox(u"OK"_s, seen));
            TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/"_s + c.typed));
            PressKey(dialog, Qt::Key_Return);
        });
        auto* wallpaper = Child<usrHomeImages>(u"cmbWallpaper"_s);
        auto* trails = Child<usrHomeImages>(u"cmbMouseTrails"_s);
        if (c.throughMenu)
            Child<QAction>(u"mnuFile_16"_s)->trigger();
        else
            Choose(trails->findChild<QComboBox*>(), usrHomeImages::ImportEntry.toString());

        EXPECT_EQ(seen.text.section(u'\n', 0, 0), c.message);
        EXPECT_EQ(seen.icon == QMessageBox::Critical, seen.text.contains(u"gone.gif"_s));
        EXPECT_EQ(app.ReadFile(u"home/"_s + c.typed), c.copied);
        for (const usrHomeImages* picker : {wallpaper, trails})
            EXPECT_EQ(picker->findChild<QComboBox*>()->findText(odd) > 1, c.copied == "new");
        EXPECT_EQ(wallpaper->Text(), u"sky.jpg"_s);
        EXPECT_EQ(trails->Text(), c.trails);
    }
}

// Shows the preview anew and waits until the page is up in the web view.
void ShowPreview(QWidget* window)
{
    QSignalSpy loaded(window->findChild<WebBrowser*>(u"ieBrowser"_s), &WebBrowser::loadFinished);
    ClickButton(window, u"cmdUpdatePreview"_s);
    ASSERT_TRUE(loaded.wait(20000));
}

QStringList Reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}

// Tab and Shift+Tab walk round the whole window, through the links of the page in the preview,
// after every preview; the same in the link dialog, whose preview has no links.
TEST_F(Editor, TabWalksRoundTheWindowThroughThePreviewsLinks)
{
    Open(Page(2));
    const QStringList ring = {u"txtTitle"_s,         u"txtName"_s,          u"cmbWallpaper"_s,
                              u"cmdColors"_s,        u"lstLinks"_s,         u"cmdLink_0"_s,
                              u"cmdLink_1"_s,        u"cmdLink_2"_s,        u"cmdLink_3"_s,
                              u"cmdLink_4"_s,        u"cmdUpdatePreview"_s, u"ieBrowser:Link 1"_s,
                              u"ieBrowser:Link 2"_s, u"cmbMouseTrails"_s,   u"txtTitle"_s};
    for (int preview = 0; preview < 2; ++preview) {
        ShowPreview(window.get());
        Child(u"txtTitle"_s)->setFocus();
        EXPECT_EQ(TabWalk(window.get(), int(ring.size()) - 1), ring);
        EXPECT_EQ(TabWalk(window.get(), int(ring.size()) - 1, false), Reversed(ring));
    }

    const QStringList dialogRing = {u"cmbImages"_s,        u"txtTitle"_s,           u"txtURL"_s,
                                    u"cmdUpdatePreview"_s, u"ieBrowser:New Link"_s, u"cmdOK"_s,
                                    u"cmdCancel"_s,        u"cmbImages"_s};
    QStringList walked, walkedBack;
    ModalDriver dialog([&](QWidget* link) {
        ShowPreview(link);
        link->findChild<QWidget*>(u"cmbImages"_s)->setFocus();
        walked = TabWalk(link, int(dialogRing.size()) - 1);
        walkedBack = TabWalk(link, int(dialogRing.size()) - 1, false);
        ClickButton(link, u"Cancel"_s);
    });
    ClickButton(window.get(), u"cmdLink_0"_s);
    EXPECT_EQ(walked, dialogRing);
    EXPECT_EQ(walkedBack, Reversed(dialogRing));
}

// Only the web view follows the window; narrower than its left edge, it keeps its last size.
TEST_F(Editor, PlacesTheControlsAndResizesOnlyTheWebView)
{
    Open();
    const QWidget* client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(596, 445));
    const std::pair<int, int> steps[] = {{700, 538}, {100, 538}, {162, 0}, {300, 138}};
    for (const auto& [clientWidth, browserWidth] : steps) {
        window->resize(clientWidth, 520);
        ASSERT_TRUE(QTest::qWaitFor([&] { return client->width() == clientWidth; }));
        EXPECT_EQ(Child(u"ieBrowser"_s)->geometry(), QRect(162, 0, browserWidth, client->height()));
    }
    const std::pair<QString, QRect> places[] = {{u"lblTitle_0"_s, QRect(6, 6, 94, 16)},
                                                {u"picColor"_s, QRect(102, 174, 10, 7)},
                                                {u"cmdLink_4"_s, QRect(135, 294, 21, 22)}};
    for (const auto& [name, place] : places)
        EXPECT_EQ(Child(name)->geometry(), place) << qPrintable(name);
}

// The File menu as the parent sees it: each item by its caption, a separator as a plain line.
TEST_F(Editor, TheFileMenuShowsItsItemsAndPlainSeparators)
{
    Open();
    QStringList items;
    for (const QAction* action : Child<QMenu>(u"tmnuFile"_s)->actions())
        items << action->objectName() + u' ' +
                     (action->isSeparator() ? u"line"_s + action->text() : action->text());
    EXPECT_EQ(items, QStringList({u"mnuFile_10 &Save"_s, u"mnuFile_15 line"_s,
                                  u"mnuFile_16 Import Picture..."_s,
                                  u"mnuFile_17 Open Folder In Explorer"_s, u"mnuFile_19 line"_s,
                                  u"mnuFile_20 E&xit"_s}));
    EXPECT_EQ(Child<QAction>(u"mnuFile_10"_s)->shortcut(), QKeySequence(u"Ctrl+S"_s));
}

} // namespace
