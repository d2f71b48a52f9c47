#include "editor/EditorFixture.h"

#include <QClipboard>
#include <QMimeData>

// Types into a text box, or chooses in a picker, then Tab moves the focus on, which commits it.
static void Commit(QWidget* window, const QString& sControl, const QString& sValue)
{
    window->findChild<QWidget*>(sControl)->setFocus();
    if (auto* picker = window->findChild<QWidget*>(sControl)->findChild<QComboBox*>())
        Choose(picker, sValue);
    else
        TypeInto(window, sControl, sValue);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Each kind of step, then Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z give back the page before and after it,
// the same link objects with their own fields, and choose the link's row. Save changes nothing.
TEST_F(Editor, EveryStepIsUndoneAndRedoneExactly)
{
    // The page as its settings file holds it, its title, then its links' objects in their order.
    const auto snapshot = [this](const CWebPage& page) {
        QStringList state{QString::fromLatin1(SettingsOf(page)), page.Title()};
        for (qint32 i = 1; i <= page.Links().Count(); ++i)
            state << QString::number(quintptr(page.Links().Item(i).get()));
        return state;
    };
    const auto click = [this](int iButton) {
        ClickButton(window.get(), u"cmdLink_%1"_s.arg(iButton));
    };
    const auto edit = [&](int iButton) {
        ModalDriver dialog([&](QWidget* link) {
            Commit(link, u"cmbImages"_s, u"sky.jpg"_s);
            TypeInto(link, u"txtTitle"_s, u"Dog"_s);
            ClickButton(link, u"OK"_s);
        });
        click(iButton);
    };
    const auto drop = [this](QMimeData* data, int iRow) {
        auto* list = Child<QListView>(u"lstLinks"_s);
        list->model()->dropMimeData(data ? data
                                         : list->model()->mimeData({list->model()->index(0, 0)}),
                                    data ? Qt::CopyAction : Qt::MoveAction, iRow, 0, {});
        QApplication::processEvents();
    };
    // Exported through the menu from a page of its own, on a picture the home folder then lacks.
    const QString zip = app.NativeFile(u"page.zip"_s);
    Open(Page(1, u"new.gif"_s));
    app.WriteFile(u"home/new.gif"_s, "new");
    FileCommand(window.get(), mnuFileExportPage, zip);
    QFile::remove(app.NativeFile(u"home/new.gif"_s));
    const auto importPage = [&] {
        MessageBoxSeen question;
        FileCommand(window.get(), mnuFileImportPage, zip, AnswerMessageBox(u"Yes"_s, question));
        EXPECT_EQ(question.text,
                  u"Import the page \"My Home Page\" with 1 links and 3 pictures? "
                  "It replaces the page in this window; Undo brings this page back."_s);
        EXPECT_EQ(Home(u"new.gif"_s), "new");
    };
    const auto visitedRed = [this] {
        ModalDriver dialog([](QWidget* box) {
            qobject_cast<QColorDialog*>(box)->setCurrentColor(Qt::red);
            ClickButton(box, u"OK"_s);
        });
        ChooseColorsItem(window.get(), mnuColorsVisited);
    };
    QGuiApplication::clipboard()->setText(u"https://c.org/"_s);
    QMimeData uris;
    uris.setData(u"text/uri-list"_s, "https://a.org/\r\nhttps://b.org/");
    // The step, the row chosen before it, what makes it, the row chosen after Undo and after Redo.
    const std::tuple<QString, int, std::function<void()>, int, int> steps[] = {
        {u"Page Title"_s, -1, [&] { Commit(window.get(), u"txtTitle"_s, u"Ours"_s); }, -1, -1},
        {u"Name On Page"_s, -1, [&] { Commit(window.get(), u"txtName"_s, u"Hi"_s); }, -1, -1},
        {u"Wallpaper"_s, -1, [&] { Commit(window.get(), u"cmbWallpaper"_s, u"ball.jpg"_s); }, -1,
         -1},
        {u"Mouse Trails"_s, -1, [&] { Commit(window.get(), u"cmbMouseTrails"_s, None); }, -1, -1},
        {u"Visited Link Colour"_s, -1, visitedRed, -1, -1},
        {u"Add Link"_s, -1, [&] { edit(cmdLinkAdd); }, -1, 3},
        {u"Edit Link"_s, 1, [&] { edit(cmdLinkEdit); }, 1, 1},
        {u"Delete Link"_s, 1, [&] { click(cmdLinkDel); }, 1, -1},
        {u"Move Link"_s, 2, [&] { click(cmdLinkUp); }, 2, 1},
        {u"Move Link"_s, 0, [&] { drop(nullptr, 3); }, 0, 2},
        {u"Drop Links"_s, -1, [&] { drop(&uris, 1); }, -1, 2},
        {u"Paste Links"_s, -1,
         [&] { QTest::keyClick(Child(u"lstLinks"_s), Qt::Key_V, Qt::ControlModifier); }, -1, 3},
        {u"Import Page"_s, -1, importPage, -1, -1},
    };
    for (const auto& [step, row, act, undone, redone] : steps) {
        SCOPED_TRACE(step.toStdString() + " " + std::to_string(row));
        Open(Page(3));
        auto* list = Child<QListView>(u"lstLinks"_s);
        list->setFocus();
        if (row >= 0)
            ClickItem(list, row);
        const QStringList before = snapshot(window->Page());
        act();
        const QStringList after = snapshot(window->Page());
        EXPECT_NE(after, before);
        PressCtrlS();
        EXPECT_EQ(EditMenu(mnuEditUndo)->text(), u"&Undo "_s + step);
        for (const QString& keys : {u"Ctrl+Z"_s, u"Ctrl+Y"_s, u"Ctrl+Z"_s, u"Ctrl+Shift+Z"_s}) {
            const bool back = keys == u"Ctrl+Z"_s;
            const QStringList& page = back ? before : after;
            QTest::keySequence(window.get(), QKeySequence(keys));
            EXPECT_EQ(snapshot(window->Page()), page);
            EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), page.at(1));
            const auto rows = list->selectionModel()->selectedRows();
            EXPECT_EQ(rows.isEmpty() ? -1 : rows.first().row(), back ? undone : redone);
            EXPECT_EQ(
                std::pair(EditMenu(mnuEditUndo)->isEnabled(), EditMenu(mnuEditRedo)->isEnabled()),
                std::pair(page == after, page == before));
        }
    }

    // Typing not yet committed belongs to the box: Ctrl+Z there takes it back, so its commit is
    // no step; the menu's Undo commits typing, then takes it back.
    auto* title = Child<QLineEdit>(u"txtTitle"_s);
    TypeInto(window.get(), u"txtTitle"_s, u"Typed"_s);
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(EditMenu(mnuEditRedo)->isEnabled());
    Commit(window.get(), u"txtTitle"_s, u"Ours"_s);
    TypeInto(window.get(), u"txtTitle"_s, u"Typed"_s);
    EditMenu(mnuEditUndo)->trigger();
    EXPECT_EQ(title->text() + window->Page().Title(), u"OursOurs"_s);
    EXPECT_EQ(EditMenu(mnuEditUndo)->text(), u"&Undo Page Title"_s);
}

// A copy of the page follows a step within two seconds and goes with Save, or when Undo or Redo
// brings back the saved page. A second editor says so once, stands off the first and leaves its
// copy; after one that ended without closing, the next asks (answered in tests/launcher).
TEST_F(Editor, UnsavedChangesAreCopiedWhileThePageDiffersFromTheSavedOne)
{
    const QString copy = u"home/qzhome-unsaved.dat"_s;
    const auto copied = [&] { return QTest::qWaitFor([&] { return app.Exists(copy); }, 2500); };
    Open(Page(1));
    Commit(window.get(), u"txtName"_s, u"Changed"_s);
    EXPECT_TRUE(copied());
    const QByteArray changed = app.ReadFile(copy);
    const std::pair<Qt::Key, bool> keys[] = {{Qt::Key_Z, false}, {Qt::Key_Y, true},
                                             {Qt::Key_S, false}, {Qt::Key_Z, true},
                                             {Qt::Key_Y, false}, {Qt::Key_Z, true}};
    for (const auto& [key, kept] : keys) {
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
        EXPECT_TRUE(kept ? copied() : !app.Exists(copy)) << char(key);
    }
    EXPECT_EQ(Home(u"qzhome.dat"_s), changed);

    const QByteArray unsaved = app.ReadFile(copy);
    Answers answers({u"OK"_s, u"No"_s, u"No"_s});
    frmMain second;
    second.show();
    QCoreApplication::processEvents();
    EXPECT_GE((second.pos() - window->pos()).manhattanLength(), 40);
    second.close();
    EXPECT_EQ(app.ReadFile(copy), unsaved);
    window.reset();
    Open();
    EXPECT_EQ(answers.said.size(), 3);
    EXPECT_TRUE(answers.said.value(0).endsWith(
        u"Another editor window has this home page open. Close one of them, or the one saved last "
        u"replaces the other's changes."_s));
    EXPECT_TRUE(answers.said.value(2).endsWith(
        u"The editor ended without closing last time, and the home page had changes that were not saved. Show those changes?"_s));
}

// A copy left behind that is cut short or not the editor's is not shown even in part: Yes keeps
// the saved page and says why, and the copy goes among the earlier versions.
TEST_F(Editor, ADamagedCopyOfUnsavedChangesLeavesTheSavedPage)
{
    CWebPage changed = Page(5);
    changed.SetTitle(u"Changed"_s);
    changed.SaveSettings(app.Path() + u"\\home\\qzhome-unsaved.dat"_s);
    const QByteArray whole = Home(u"qzhome-unsaved.dat"_s);
    for (const QByteArray& copy : {whole.left(whole.indexOf("Link 3") + 8), "Not a page\r\n"_ba}) {
        app.WriteFile(u"home/qzhome-unsaved.dat"_s, copy);
        QDir(app.NativeFile(u"home/history"_s)).removeRecursively();
        Answers answers({u"Yes"_s, u"OK"_s});
        Open(Page(2));
        EXPECT_EQ(SettingsOf(window->Page()), SettingsOf(Page(2)));
        EXPECT_EQ(window->Page().Links().Count(), 2);
        EXPECT_TRUE(answers.said.value(1).contains(u"were not saved is damaged"_s));
        const QStringList kept = QDir(app.NativeFile(u"home/history"_s)).entryList(QDir::Files);
        EXPECT_EQ(app.ReadFile(u"home/history/"_s + kept.value(0)), copy);
        EXPECT_FALSE(app.Exists(u"home/qzhome-unsaved.dat"_s));
        window.reset();
    }
}
