#include "common/TabWalk.h"
#include "launcher/ProgramFixture.h"

#include <QAccessible>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QTreeWidget>
#include <QWebEngineView>

// Also from an application folder whose path ends in a backslash.
TEST_F(Program, StartsOnDesktopWhichTellsThenOpensTheProgramsFolderAndEnds)
{
    EXPECT_EQ(controlCenter->windowTitle() + u' ' + QApplication::focusWidget()->objectName(),
              u"Control Center cmdEditDesktop"_s);
    App::SetPath(app.NativeFile({}) + u'/');
    QTest::mouseClick(controlCenter->findChild<QWidget*>(u"lblInfo"_s), Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{app.NativeFile(u"QzDesk Parents Keys.txt"_s)});
    EXPECT_EQ(OpenWindows(), QList<QWidget*>{controlCenter});
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    ClickButton(controlCenter, u"cmdEditDesktop"_s);

    EXPECT_EQ(u"%1 "_s.arg(seen.icon) + seen.title + u' ' + seen.buttons.join(u'/') + u' ' +
                  seen.text,
              u"0 "_s + App::Title() +
                  u" OK The Desktop Programs folder will now open so you can add "
                  u"shortcuts to it. You can drag shortcuts to the folder from your "
                  u"Start Menu."_s);
    EXPECT_EQ(shell.opened.last(), app.NativeFile(u"programs"_s));
    EXPECT_TRUE(OpenWindows().isEmpty());
}

// The caption as the window system holds it, and whether the frame stands centred; off it, none.
static QString Shown(QWidget* window, bool bFramed = true)
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        return {};
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"_NET_WM_NAME"_s});
    EXPECT_TRUE(xprop.waitForFinished());
    const QString caption = QString::fromUtf8(xprop.readAllStandardOutput()).section(u'"', 1, -2);
    if (!bFramed)
        return caption;
    const bool centred = QTest::qWaitFor([window] {
        const QPoint off =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        return window->frameGeometry() != window->geometry() && off.manhattanLength() <= 1;
    });
    return caption + (centred ? u" centred"_s : u" off centre"_s);
}

// What a screen reader meets in a window's accessible tree: each object shown that takes the focus,
// or is a picture (and nothing inside it), as "objectName: name" and " = value" where it has one.
static QStringList Spoken(QWidget* window)
{
    QStringList spoken;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            if (!child || child->state().invisible)
                continue;
            const QString value = child->text(QAccessible::Value);
            if (!child->state().focusable && child->role() != QAccessible::Graphic)
                walk(child);
            else
                spoken << (child->object() ? child->object()->objectName() : u"?"_s) + u": "_s +
                              child->text(QAccessible::Name) +
                              (value.isEmpty() ? QString() : u" = "_s + value);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return spoken;
}

// A menu as a screen reader meets it, "menu: item, item"; separators have nothing to say.
static QString MenuSpoken(QMenu* menu)
{
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
    QStringList items;
    for (int i = 0; i < spoken->childCount(); ++i)
        if (!menu->actions().at(i)->isSeparator())
            items << spoken->child(i)->text(QAccessible::Name);
    return spoken->text(QAccessible::Name) + u": "_s + items.join(u", "_s);
}

// The names a screen reader gives the check boxes of a tree, its rows' first cells, "|" between.
static QString CheckBoxesSpoken(QTreeWidget* tree)
{
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(tree)->tableInterface();
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->cellAt(row, 0)->text(QAccessible::Name);
    return names.join(u'|');
}

// Browser leaves the editor alone; a link added, Import Links walked by Tab and cancelled, Ctrl+S,
// closed with Yes. Each window's controls, the Edit menu and the bookmarks give a screen reader
// names; under a window manager (the test "window_system") each caption alone, each frame centred.
TEST_F(Program, AddsALinkSavesAndClosesInTheWindowSystem)
{
    app.WriteFile(u"home/ball.jpg"_s, "picture");
    QStringList shown{Shown(controlCenter)}, spoken = Spoken(controlCenter);
    frmMain* editor = ChooseBrowser();
    shown << Shown(editor);
    spoken += Spoken(editor);
    EXPECT_TRUE(OpenWindows() == QList<QWidget*>{editor} && controlCenter.isNull());
    ModalDriver linkDialog([&](QWidget* dialog) {
        shown << Shown(dialog);
        spoken += Spoken(dialog);
        auto* pictures = dialog->findChild<QComboBox*>(u"cmbImages"_s);
        pictures->setCurrentIndex(pictures->findText(u"ball.jpg"_s));
        TypeInto(dialog, u"txtTitle"_s, u"Games"_s);
        TypeInto(dialog, u"txtURL"_s, u"games.html"_s);
        PressKey(dialog, Qt::Key_Return);
    });
    ClickButton(editor, u"cmdLink_0"_s);
    QString boxes;
    QStringList tabs;
    FileCommand(editor, mnuFileImportLinks, firefox, [&](QWidget* dialog) {
        spoken += Spoken(dialog);
        boxes = CheckBoxesSpoken(dialog->findChild<QTreeWidget*>());
        tabs = TabWalk(dialog, 7);
        PressKey(dialog, Qt::Key_Escape);
    });
    const QString editMenu = MenuSpoken(editor->findChild<QMenu*>(u"tmnuEdit"_s));
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    ModalDriver question([&](QWidget* box) {
        shown << Shown(box, false);
        ClickButton(box, u"Yes"_s);
    });
    editor->close();
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s) + app.ReadFile(u"home/qzhome.html"_s),
              Golden(u"afternoon.dat"_s) + Golden(u"afternoon.html"_s));
    EXPECT_EQ(spoken.join(u", "_s),
              u"cmdEditDesktop: Desktop, cmdEditBrowser: Browser, txtTitle: Page Title, "
              u"txtName: Name On Page, cmbImages: Wallpaper = (None), cmbImages: Mouse Trails = "
              u"(None), cmdColors: Set Colors, lstLinks: Links = Links, cmdLink_0: Add..., "
              u"cmdLink_1: Edit..., cmdLink_2: Del, cmdLink_3: Move Up, cmdLink_4: Move Down, "
              u"cmdUpdatePreview: Update Preview, cmbImages: Picture = (None), txtTitle: Title = "
              u"New Link, txtURL: URL, cmdGetPicture: Get Picture, cmdUpdatePreview: Update "
              u"Preview, cmdOK: OK, cmdCancel: Cancel, txtFind: Find, cmdCheckAll: Check All, "
              u"cmdClearAll: Clear All, tvwBookmarks: Bookmarks = Bookmarks, chkGetPictures: Get "
              u"each link's picture from its site, cmdAddLinks: Add Links, cmdCancel: Cancel"_s);
    EXPECT_EQ(editMenu, u"Edit: Undo Add Link, Redo, Make Link Pictures Match"_s);
    EXPECT_EQ(tabs,
              QStringList({u"txtFind"_s, u"cmdCheckAll"_s, u"cmdClearAll"_s, u"tvwBookmarks"_s,
                           u"chkGetPictures"_s, u"cmdAddLinks"_s, u"cmdCancel"_s, u"txtFind"_s}));
    EXPECT_EQ(boxes,
              u"Mozilla Firefox|Get Help|Recent Tags|Bookmarks Toolbar|Khan Academy|Games & "
              u"Puzzles|PBS KIDS  Games|Cool Math 4 Kids <3|A bookmarklet|Broken|NASA Kids' Club — "
              u"Ünïcödé"_s);
    if (QGuiApplication::platformName() == u"xcb"_s) {
        EXPECT_EQ(shown, QStringList({u"Control Center centred"_s,
                                      u"Zellow's Browser Home Page Editor centred"_s,
                                      u"Link centred"_s, u"QzBrowser Editor"_s}));
    }
}

// A folder whose path holds a "\", which names cannot be split at, is refused and named.
TEST(ProgramFolder, WithABackslashInItsPathIsRefused)
{
    const TempAppFolder outer;
    outer.MakeFolder(u"my\\apps"_s);
    App::SetPath(outer.NativeFile(u"my\\apps"_s));
    Answers answers({u"OK"_s});
    EXPECT_EQ(StartProgram(), nullptr);
    EXPECT_TRUE(answers.said.value(0).startsWith(
        u"The program cannot start from the folder \"%1/my\\apps\""_s.arg(outer.NativeFile({}))));
}
