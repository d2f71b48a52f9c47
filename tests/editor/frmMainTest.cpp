#include "common/OrdinaryUser.h"
#include "common/ShellSpy.h"
#include "common/TabWalk.h"
#include "editor/EditorFixture.h"

#include <QDir>
#include <QTcpServer>

// The versions kept, in no particular order.
static QStringList History(const TempAppFolder& app)
{
    QStringList versions;
    for (const QString& name : QDir(app.NativeFile(u"home/history"_s)).entryList(QDir::Files))
        versions << QString::fromLatin1(app.ReadFile(u"home/history/"_s + name));
    versions.sort();
    return versions;
}

// Closing asks: Yes saves the title being typed, No writes nothing; a failed save is told and the
// window stays. Files another program wrote meanwhile are replaced only on Yes (theirs kept in the
// history), after which Save asks no more.
TEST_F(Editor, SavingAsksFirstAndKeepsTheWindowWhenNothingWasSaved)
{
    const QByteArray other = "\"QZBROWSE_CFG_001\"\r\n\"Theirs\"\r\n";
    const struct {
        QString close, changed; // the answers to the two questions; empty: Ctrl+S, no change
        bool firstRun = false, fails = false;
    } cases[] = {
        {u"Yes"_s, {}}, {u"No"_s, {}},       {u"Yes"_s, {}, false, true}, {{}, u"No"_s},
        {{}, u"Yes"_s}, {u"Yes"_s, u"No"_s}, {{}, u"No"_s, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        QDir(app.NativeFile(u"home"_s)).removeRecursively();
        app.MakeFolder(u"home"_s);
        c.firstRun ? Open() : Open(Page());
        const QByteArray before = Home(u"qzhome.dat"_s);
        TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
        if (!c.changed.isEmpty()) {
            app.WriteFile(u"home/qzhome.dat"_s, other);
            app.WriteFile(u"home/qzhome.html"_s, "their page");
        }
        if (c.fails)
            app.MakeFolder(u"home/qzhome.html"_s);
        MessageBoxSeen question, changed, failure;
        std::optional<ModalDriver> next;
        const auto arm = [&] {
            next.emplace(c.changed.isEmpty() ? AnswerMessageBox(u"OK"_s, failure)
                                             : AnswerMessageBox(c.changed, changed));
        };
        if (c.close.isEmpty()) {
            arm();
            PressCtrlS();
        } else {
            ModalDriver closing([&](QWidget* box) {
                arm();
                AnswerMessageBox(c.close, question)(box);
            });
            window->close();
        }

        EXPECT_EQ(question.text + question.buttons.join(u'/'),
                  c.close.isEmpty() ? QString() : u"Save Home Page before exiting?No/Yes"_s);
        EXPECT_EQ(u"%1 %2 %3"_s.arg(changed.icon).arg(changed.title, changed.text),
                  c.changed.isEmpty() ? u"0  "_s
                                      : u"4 "_s + App::Title() +
                                            u" The home page settings were changed by another "
                                            u"program after this window read them. Replace them "
                                            u"with the settings in this window?"_s);
        EXPECT_EQ(
            failure.text.contains(DisplayPath(app.Path() + u"\\home\\qzhome.html"_s)) &&
                failure.text.contains(u"settings were saved, but the home page itself was not"_s),
            c.fails);
        const bool saves = c.close != u"No"_s && c.changed != u"No"_s;
        EXPECT_EQ(window->isVisible(),
                  c.close.isEmpty() || (c.close == u"Yes"_s && (!saves || c.fails)));
        EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), u"Our Page"_s);
        EXPECT_EQ(Home(u"qzhome.dat"_s) + Home(u"qzhome.html"_s),
                  saves ? Golden(u"saved.dat"_s) + (c.fails ? "" : Golden(u"saved.html"_s))
                  : c.changed.isEmpty() ? before
                                        : other + "their page");
        EXPECT_EQ(History(app).contains(QString::fromLatin1(other)), saves && !c.changed.isEmpty());
        if (c.changed.isEmpty())
            continue;
        ModalDriver again([](QWidget* box) { ClickButton(box, u"No"_s); }, 500);
        PressCtrlS();
        EXPECT_EQ(again.Ran(), !saves);
    }
}

// Each save but the first keeps what it replaced; an unwritable history is told, the save goes on.
TEST_F(Editor, KeepsEachReplacedVersionInTheHistory)
{
    if (RanAsOrdinaryUser())
        return;
    Open();
    QStringList saved;
    for (const QString& title : {u"First"_s, u"Second"_s, u"Third"_s}) {
        TypeInto(window.get(), u"txtTitle"_s, title);
        PressCtrlS();
        EXPECT_EQ(History(app), saved);
        saved << QString::fromLatin1(Home(u"qzhome.dat"_s));
        saved.sort();
    }
    const QString history = app.NativeFile(u"home/history"_s);
    QFile::setPermissions(history, QFile::ReadOwner | QFile::ExeOwner);
    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    PressCtrlS();
    QFile::setPermissions(history, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_TRUE(seen.text.contains(u"could not be kept"_s) &&
                seen.text.contains(DisplayPath(app.Path() + u"\\home\\history\\qzhome-"_s)))
        << qPrintable(seen.text);
    EXPECT_TRUE(Home(u"qzhome.dat"_s).contains("\r\n\"Our Page\"\r\n"));
    EXPECT_EQ(History(app).size(), 2);
}

// A first run opens without a word; a damaged file opens on what could be read, kept under a free
// name, and the message names the file, the fault and the copy.
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
        EXPECT_EQ(Home(c.copy), c.settings);
        EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(),
                  c.settings.startsWith(header) ? u"My Home Page"_s : QString());
        EXPECT_TRUE(app.Exists(u"home/qzhometmp.html"_s));
    }
}

// A picture imported through the trail picker or the File menu is listed by both pickers.
TEST_F(Editor, ImportsAPictureIntoTheHomeFolder)
{
    const QString odd = u"new & #1.gif"_s;
    for (const QString& name : {odd, u"heart.gif"_s})
        app.WriteFile(u"outside/"_s + name, "new");
    const struct {
        QString typed; // empty: cancel
        bool throughMenu;
        QString message, trails; // the message's first line; the trail picker's choice afterwards
        QByteArray copied;       // the home folder's file of the typed name afterwards
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
        EXPECT_EQ(Home(c.typed), c.copied);
        for (const usrHomeImages* picker : {wallpaper, trails})
            EXPECT_EQ(picker->findChild<QComboBox*>()->findText(odd) > 1, c.copied == "new");
        EXPECT_EQ(wallpaper->Text() + u'|' + trails->Text(), u"sky.jpg|"_s + c.trails);
    }
}

// Tab and Shift+Tab walk round the window through the preview's links, after every preview, and the
// trail follows the pointer there. Only the web view follows the window, keeping its size when
// squeezed out. The File menu.
TEST_F(Editor, TabWalksRoundThroughThePreviewsLinksAndOnlyTheWebViewResizes)
{
    app.WriteFile(u"home/trails.js"_s, ReadFile(QStringLiteral(QZ_DATA "/home/trails.js")));
    Open(Page(2));
    const auto walk = [](QWidget* form, const QStringList& ring) {
        QSignalSpy loaded(form->findChild<WebBrowser*>(u"ieBrowser"_s), &WebBrowser::loadFinished);
        ClickButton(form, u"cmdUpdatePreview"_s);
        EXPECT_TRUE(loaded.wait(20000));
        form->findChild<QWidget*>(ring.first())->setFocus();
        EXPECT_EQ(TabWalk(form, int(ring.size()) - 1), ring);
        EXPECT_EQ(TabWalk(form, int(ring.size()) - 1, false),
                  QStringList(ring.rbegin(), ring.rend()));
    };
    for (int preview = 0; preview < 2; ++preview)
        walk(window.get(),
             {u"txtTitle"_s, u"txtName"_s, u"cmbWallpaper"_s, u"cmdColors"_s, u"lstLinks"_s,
              u"cmdLink_0"_s, u"cmdLink_1"_s, u"cmdLink_2"_s, u"cmdLink_3"_s, u"cmdLink_4"_s,
              u"cmdUpdatePreview"_s, u"ieBrowser:Link 1"_s, u"ieBrowser:Link 2"_s,
              u"cmbMouseTrails"_s, u"txtTitle"_s});
    // The trail's last heart follows the pointer across the preview.
    auto* view = Child<WebBrowser>(u"ieBrowser"_s);
    const auto last = [view] { return PageScript(view, u"dot6.style.left + dot6.style.top"_s); };
    const QString before = last();
    QTest::mouseMove(view->focusProxy(), QPoint(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return last() != before; }, 5000));
    ModalDriver dialog([&](QWidget* link) {
        walk(link, {u"cmbImages"_s, u"txtTitle"_s, u"txtURL"_s, u"cmdUpdatePreview"_s,
                    u"ieBrowser:New Link"_s, u"cmdOK"_s, u"cmdCancel"_s, u"cmbImages"_s});
        ClickButton(link, u"Cancel"_s);
    });
    ClickButton(window.get(), u"cmdLink_0"_s);
    EXPECT_TRUE(dialog.Ran());

    const QWidget* client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(596, 445));
    for (const auto& [clientWidth, browserWidth] : {std::pair(700, 538), {100, 538}, {162, 0}}) {
        window->resize(clientWidth, 520);
        ASSERT_TRUE(QTest::qWaitFor([&] { return client->width() == clientWidth; }));
        EXPECT_EQ(Child(u"ieBrowser"_s)->geometry(), QRect(162, 0, browserWidth, client->height()));
    }
    QStringList items;
    for (const QAction* action : Child<QMenu>(u"tmnuFile"_s)->actions())
        items << action->objectName() + (action->isSeparator() ? u" -"_s : u" "_s) + action->text();
    EXPECT_EQ(items, QStringList({u"mnuFile_10 &Save"_s, u"mnuFile_15 -"_s,
                                  u"mnuFile_16 Import Picture..."_s,
                                  u"mnuFile_17 Open Folder In Explorer"_s, u"mnuFile_19 -"_s,
                                  u"mnuFile_20 E&xit"_s}));
}

// The preview's script opens no dialog, and a page whose script never ends, even at the start,
// gives way to the next preview.
TEST_F(Editor, PreviewScriptAsksNothingAndTheNextPreviewShows)
{
    CWebPage page = Page();
    page.SetName(u"<script>confirm('a'); prompt('b'); for (;;) alert('again')</script>"_s);
    ModalDriver dialog([](QWidget* box) { box->close(); }, 15000);
    Open(page);
    auto* view = Child<WebBrowser>(u"ieBrowser"_s);
    // The script runs right after the title.
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->title() == u"My Home Page"_s; }));
    TypeInto(window.get(), u"txtTitle"_s, u"Hello"_s);
    TypeInto(window.get(), u"txtName"_s, u"Hello"_s);
    ClickButton(window.get(), u"cmdUpdatePreview"_s);

    EXPECT_TRUE(QTest::qWaitFor([view] { return view->title() == u"Hello"_s; }, 15000));
    EXPECT_FALSE(dialog.Ran());
}

// The preview's script reads no file, in the home folder or outside, and reaches no server. A link
// clicked opens in the system's browser, the preview staying; the preview has no menu of its own.
TEST_F(Editor, PreviewKeepsToTheHomeFolder)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString site = u"http://127.0.0.1:%1/"_s.arg(server.serverPort());
    // Beside the home folder, named as if in it.
    app.WriteFile(u"home.txt"_s, "secret");
    app.WriteFile(u"home.js"_s, "var seen = 'script';");
    CWebPage page = Page(1, {});
    page.Links().Item(1)->SetMainLink(site + u"clicked"_s);
    page.SetName(uR"(<script src="../home.js"></script><script>var seen = seen || '';
const files = ['../home.txt', 'qzhome.dat'];
new WebSocket('ws%2');
Promise.all([...files, '%1read'].flatMap(at => [
  fetch(at).then(answer => answer.text()).then(text => seen += text, () => 0),
  new Promise(done => { const x = new XMLHttpRequest(); x.open('GET', at);
    x.onloadend = () => done(seen += x.responseText); x.send(); })]).concat(files.map(at =>
  new Promise(done => { const frame = document.createElement('iframe'); frame.src = at;
    frame.onload = () => { try { seen += frame.contentDocument.body.innerText } catch {} done() };
    document.body.append(frame); })))).then(() => document.title = 'tried' + seen);
</script>)"_s.arg(site, site.mid(4)));
    Open(page);
    auto* view = Child<WebBrowser>(u"ieBrowser"_s);
    std::ignore = QTest::qWaitFor([view] { return view->title().startsWith(u"tried"_s); }, 20000);
    EXPECT_EQ(view->title(), u"tried"_s); // and nothing read

    ShellSpy browser(u"http"_s);
    const QUrl preview = view->url();
    const QStringList at =
        PageScript(view, u"(r => [r.x + r.width / 2, r.y + r.height / 2].map(Math.round).join())"
                         u"(document.links[0].getBoundingClientRect())"_s)
            .split(u',');
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(at[0].toInt(), at[1].toInt()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !browser.opened.isEmpty(); }));
    EXPECT_EQ(browser.opened, QStringList{site + u"clicked"_s});
    QTest::mouseClick(view->focusProxy(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 500));
    EXPECT_EQ(view->url(), preview);
    EXPECT_FALSE(server.hasPendingConnections());
}
