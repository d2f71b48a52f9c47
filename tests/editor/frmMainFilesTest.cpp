#include "EditorFixture.h"
#include "MessageBoxSeen.h"
#include "PickerDriving.h"
#include "WebBrowser.h"
#include "usrHomeImages.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

using EditorFiles = EditorFixture;

TEST_F(EditorFiles, AFirstRunOpensANewPageWithoutAWord)
{
    QDir(app.NativeFile(u"home"_s)).removeRecursively();
    ModalDriver anyBox([](QWidget* box) { ClickButton(box, u"OK"_s); });
    Open();
    QTest::qWait(200);

    EXPECT_FALSE(anyBox.Ran());
    EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), QString());
    EXPECT_TRUE(app.Exists(u"home/qzhometmp.html"_s));
    EXPECT_EQ(Child<WebBrowser>(u"ieBrowser"_s)->url(),
              QUrl::fromLocalFile(app.NativeFile(u"home/qzhometmp.html"_s)));
}

struct DamagedCase {
    const char* name;
    QByteArray settings;
    bool copyTaken; // "qzhome-damaged.dat" is there already
    QString problem;
    QString titleShown;
};

using EditorDamaged = EditorCases<DamagedCase>;

TEST_P(EditorDamaged, OpensOnWhatCouldBeReadAndKeepsTheFile)
{
    const DamagedCase& c = GetParam();
    app.WriteFile(u"home/qzhome.dat"_s, c.settings);
    if (c.copyTaken)
        app.WriteFile(u"home/qzhome-damaged.dat"_s, "older");
    const QString copy = c.copyTaken ? u"qzhome-damaged-2.dat"_s : u"qzhome-damaged.dat"_s;
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    window = std::make_unique<frmMain>();
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return driver.Ran(); }));

    EXPECT_EQ(Home(copy), c.settings);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    for (const QString& part : {app.Path() + u"\\home\\qzhome.dat"_s, c.problem, copy})
        EXPECT_TRUE(seen.text.contains(part)) << qPrintable(seen.text);
    EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), c.titleShown);
}

const QByteArray Header = "\"QZBROWSE_CFG_001\"\r\n";
const QByteArray Values = "\"My Home Page\"\r\n\"Welcome\"\r\n\"sky.jpg\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorDamaged,
    ::testing::Values(DamagedCase{"WrongHeader",
                                  "\"qzbrowse_cfg_001\"\r\n" + Values,
                                  false,
                                  u"is not a home page settings file"_s,
                                  {}},
                      DamagedCase{"CutShort", Header + Values, false, u"ends before line 5"_s,
                                  u"My Home Page"_s},
                      DamagedCase{"CopyNumbered", Header + Values, true, u"ends before line 5"_s,
                                  u"My Home Page"_s},
                      DamagedCase{"NumberOutOfRange", Header + Values + "\"99999999999\"\r\n",
                                  false, u"line 5 (the background colour)"_s, u"My Home Page"_s}),
    CaseName);

TEST_F(EditorFiles, ASaveThatFailsIsToldAndKeepsTheWindowOpen)
{
    WriteSettings(Page());
    Open();
    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    // A folder in the settings file's place cannot be replaced by a file.
    QFile::remove(app.NativeFile(u"home/qzhome.dat"_s));
    app.MakeFolder(u"home/qzhome.dat"_s);

    MessageBoxSeen failure;
    std::optional<ModalDriver> failureBox;
    MessageBoxSeen question;
    ModalDriver yes([&](QWidget* box) {
        failureBox.emplace(AnswerMessageBox(u"OK"_s, failure));
        AnswerMessageBox(u"Yes"_s, question)(box);
    });
    window->close();

    EXPECT_TRUE(failureBox && failureBox->Ran());
    EXPECT_TRUE(failure.text.contains(app.Path() + u"\\home\\qzhome.dat"_s))
        << qPrintable(failure.text);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(app.Exists(u"home/qzhome.html"_s));

    // The page is as it was: once the way is clear, it is saved whole.
    QDir(app.NativeFile(u"home/qzhome.dat"_s)).removeRecursively();
    PressCtrlS();
    EXPECT_EQ(Home(u"qzhome.dat"_s), Golden(u"saved.dat"_s));
}

struct ImportCase {
    const char* name;
    bool throughMenu; // else through the mouse-trail picker's own entry
    QString trailAfter;
};

using EditorImport = EditorCases<ImportCase>;

TEST_P(EditorImport, ListsThePictureInBothPickers)
{
    WriteSettings(Page());
    app.WriteFile(u"outside/new.gif"_s, "picture");
    Open();
    ModalDriver fileDialog([&](QWidget* dialog) {
        TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/new.gif"_s));
        PressKey(dialog, Qt::Key_Return);
    });
    auto* wallpaper = Child<usrHomeImages>(u"cmbWallpaper"_s);
    auto* trails = Child<usrHomeImages>(u"cmbMouseTrails"_s);
    if (GetParam().throughMenu)
        Child<QAction>(u"mnuFile_16"_s)->trigger();
    else
        Choose(trails->findChild<QComboBox*>(), usrHomeImages::ImportEntry.toString());

    EXPECT_TRUE(fileDialog.Ran());
    EXPECT_EQ(Home(u"new.gif"_s), "picture");
    for (usrHomeImages* picker : {wallpaper, trails})
        EXPECT_GE(picker->findChild<QComboBox*>()->findText(u"new.gif"_s), 2);
    EXPECT_EQ(wallpaper->Text(), u"sky.jpg"_s);
    EXPECT_EQ(trails->Text(), GetParam().trailAfter);
}

INSTANTIATE_TEST_SUITE_P(Ways, EditorImport,
                         ::testing::Values(ImportCase{"FileMenu", true, u"heart.gif"_s},
                                           ImportCase{"TrailPicker", false, u"new.gif"_s}),
                         CaseName);

// Only the web view follows the window; narrower than its left edge, it keeps its last size.
TEST_F(EditorFiles, ResizingStretchesOnlyTheWebView)
{
    Open();
    QWidget* client = window->centralWidget();
    QWidget* browser = Child(u"ieBrowser"_s);
    const QRect list = Child(u"lstLinks"_s)->geometry();
    const struct {
        int clientWidth;
        int browserWidth;
    } steps[] = {{700, 538}, {100, 538}, {162, 0}, {300, 138}};
    for (const auto& step : steps) {
        window->resize(step.clientWidth, 520);
        ASSERT_TRUE(QTest::qWaitFor([&] { return client->width() == step.clientWidth; }));
        EXPECT_EQ(browser->geometry(), QRect(162, 0, step.browserWidth, client->height()))
            << "client width " << step.clientWidth;
    }
    EXPECT_EQ(Child(u"lstLinks"_s)->geometry(), list);
}

} // namespace
