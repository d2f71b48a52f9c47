#include "launcher/Program.h"

#include "common/Files.h"
#include "common/MessageBoxSeen.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "editor/frmMain.h"
#include "launcher/frmConfigure.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/NativePath.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// Takes the place of the system's default applications while it lives: what the program asks
// the shell to open is noted instead of opened.
class ShellSpy : public QObject
{
    Q_OBJECT

public:
    ShellSpy() { QDesktopServices::setUrlHandler(u"file"_s, this, "Open"); }
    ~ShellSpy() override { QDesktopServices::unsetUrlHandler(u"file"_s); }
    QStringList opened; // native paths

public slots:
    void Open(const QUrl& url) { opened.append(url.toLocalFile()); }
};

QByteArray Starter(const QString& sName)
{
    return ReadFile(QStringLiteral(QZ_DATA "/home/") + sName);
}

void Click(QWidget* window, const QString& sName)
{
    QTest::mouseClick(window->findChild<QWidget*>(sName), Qt::LeftButton);
}

// The program started as main starts it, on an application folder of its own, with what it asks
// the shell to open observed instead of opened.
class Program : public ::testing::Test
{
protected:
    Program() : controlCenter(StartProgram()) { Activate(controlCenter); }
    ~Program() override { qDeleteAll(OpenWindows()); }

    static QList<QWidget*> OpenWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QWidget*> open = QApplication::topLevelWidgets();
        open.removeIf([](const QWidget* window) { return !window->isVisible(); });
        return open;
    }

    frmMain* ChooseBrowser() const
    {
        Click(controlCenter, u"cmdEditBrowser"_s);
        auto* editor = qobject_cast<frmMain*>(OpenWindows().value(0));
        Activate(editor);
        return editor;
    }

    TempAppFolder app;
    ShellSpy shell;
    QPointer<frmConfigure> controlCenter;
};

// Also from an application folder whose path ends in a backslash.
TEST_F(Program, StartsOnDesktopAndTheLabelOpensTheParentsKeys)
{
    EXPECT_EQ(controlCenter->windowTitle(), u"Control Center"_s);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"cmdEditDesktop"_s);
    App::SetPath(app.Path() + u'\\');
    Click(controlCenter, u"lblInfo"_s);
    Click(controlCenter, u"lblInfo"_s);
    const QString keys = app.NativeFile(u"QzDesk Parents Keys.txt"_s);
    EXPECT_EQ(shell.opened, QStringList({keys, keys}));
    EXPECT_EQ(OpenWindows(), QList<QWidget*>{controlCenter});
}

TEST_F(Program, DesktopTellsThenOpensTheProgramsFolderAndEnds)
{
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    Click(controlCenter, u"cmdEditDesktop"_s);

    EXPECT_EQ(seen.text, u"The Desktop Programs folder will now open so you can add shortcuts to "
                         u"it. You can drag shortcuts to the folder from your Start Menu."_s);
    EXPECT_EQ(seen.title + u' ' + seen.buttons.join(u'/'), App::Title() + u" OK"_s);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(shell.opened, QStringList{app.NativeFile(u"programs"_s)});
    EXPECT_TRUE(OpenWindows().isEmpty());
}

// Browser leaves the editor alone. A parent's first afternoon: a link added through the dialog, a
// background colour, Ctrl+S, and the window closed with Yes; both files come out as expected.
TEST_F(Program, AddsALinkSetsAColourSavesAndCloses)
{
    app.WriteFile(u"home/ball.jpg"_s, Starter(u"ball.jpg"_s));
    frmMain* editor = ChooseBrowser();
    EXPECT_EQ(OpenWindows(), QList<QWidget*>{editor});
    EXPECT_TRUE(controlCenter.isNull());
    ModalDriver linkDialog([](QWidget* dialog) {
        auto* pictures = dialog->findChild<QComboBox*>(u"cmbImages"_s);
        pictures->setCurrentIndex(pictures->findText(u"ball.jpg"_s));
        TypeInto(dialog, u"txtTitle"_s, u"Games"_s);
        TypeInto(dialog, u"txtURL"_s, u"games.html"_s);
        PressKey(dialog, Qt::Key_Return);
    });
    Click(editor, u"cmdLink_0"_s);
    ModalDriver colorDialog([](QWidget* dialog) {
        qobject_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(255, 255, 0));
        ClickButton(dialog, u"OK"_s);
    });
    Click(editor, u"cmdColors"_s);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* background = editor->findChild<QAction*>(u"mnuColors_0"_s);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(background).center());
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    ModalDriver question([](QWidget* box) { ClickButton(box, u"Yes"_s); });
    editor->close();

    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(u"afternoon.dat"_s));
    EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(u"afternoon.html"_s));
}

// The hearts of the starter page follow the mouse pointer across the editor's preview.
TEST_F(Program, MouseTrailFollowsThePointerInThePreview)
{
    for (const QString& file : {u"qzhome.dat"_s, u"trails.js"_s, u"heart.gif"_s})
        app.WriteFile(u"home/"_s + file, Starter(file));
    auto* view = ChooseBrowser()->findChild<QWebEngineView*>(u"ieBrowser"_s);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(20000));
    const auto dotPlace = [view] {
        QString place;
        view->page()->runJavaScript(
            u"var d = document.getElementById('dot6');"
            u"d.style.left + ',' + d.style.top"_s,
            [&place](const QVariant& result) { place = result.toString(); });
        EXPECT_TRUE(QTest::qWaitFor([&place] { return !place.isEmpty(); }));
        return place;
    };
    const QString before = dotPlace();

    QTest::mouseMove(view->focusProxy(), QPoint(300, 200));
    QTest::mouseMove(view->focusProxy(), QPoint(320, 220));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dotPlace() != before; }, 5000));
}

// The caption in the window's title bar as the window system holds it, and whether the window's
// frame, title bar included, stands centred on the screen.
QString Shown(QWidget* window, bool bFramed = true)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"_NET_WM_NAME"_s});
    EXPECT_TRUE(xprop.waitForFinished());
    const QString caption = QString::fromUtf8(xprop.readAllStandardOutput()).section(u'"', 1, -2);
    if (!bFramed)
        return caption;
    EXPECT_TRUE(QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }))
        << "no frame";
    const bool centred = QTest::qWaitFor([window] {
        const QPoint off =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        return off.manhattanLength() <= 1;
    });
    return caption + (centred ? u" centred"_s : u" off centre"_s);
}

// Under a window manager (the test "window_system" runs it so), no window's caption carries more
// than its own, and each window's frame opens centred.
TEST_F(Program, TheWindowSystemShowsEachCaptionAloneAndEachFrameCentred)
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        GTEST_SKIP() << "needs a window system";
    QStringList shown{Shown(controlCenter)};
    frmMain* editor = ChooseBrowser();
    shown << Shown(editor);
    ModalDriver link([&](QWidget* dialog) {
        shown << Shown(dialog);
        ClickButton(dialog, u"Cancel"_s);
    });
    Click(editor, u"cmdLink_0"_s);
    ModalDriver question([&](QWidget* box) {
        shown << Shown(box, false);
        ClickButton(box, u"No"_s);
    });
    editor->close();
    EXPECT_EQ(shown, QStringList({u"Control Center centred"_s,
                                  u"Zellow's Browser Home Page Editor centred"_s, u"Link centred"_s,
                                  u"QzBrowser Editor"_s}));
}

// The starter page laid out for the parent is the generator's own output of its settings.
TEST(StarterPage, IsGeneratedFromItsSettings)
{
    TempAppFolder app;
    CWebPage page;
    page.LoadSettings(BackslashPath(QStringLiteral(QZ_DATA "/home/qzhome.dat")));
    page.GeneratePage(app.Path() + u"\\qzhome.html"_s);
    EXPECT_EQ(app.ReadFile(u"qzhome.html"_s), Starter(u"qzhome.html"_s));
}

} // namespace

#include "ProgramTest.moc"
