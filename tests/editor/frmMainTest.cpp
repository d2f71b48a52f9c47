#include "common/OrdinaryUser.h"
#include "common/ShellSpy.h"
#include "common/TabWalk.h"
#include "editor/EditorFixture.h"

#include <QDir>
#include <QLockFile>
#include <QTcpServer>
#include <sys/stat.h>

// Closing asks, and Yes saves the title being typed. A settings file changed by another program, or
// one the window could not read, is replaced only on Yes. What could not be done is told once, with
// its reason, and keeps the window. Run as an ordinary user, for whom permissions hold.
TEST_F(Editor, SavesWhatTheUserChoseAndSaysWhatHappened)
{
    if (RanAsOrdinaryUser())
        return;
    const QString closing = u"Save Home Page before exiting?"_s,
                  atStart = u"The home page settings could not be read, so the editor starts on a "
                            u"new page.\n\n"_s,
                  unread = u"The home page settings in \"%1/home/qzhome.dat\" could not be read "
                           u"when the editor started, so this window does not show them. Replace "
                           u"them with the settings in this window?"_s,
                  cannotRead =
                      u"You do not have permission to read the file \"%1/home/qzhome.dat\"."_s,
                  notKept = u"The home page was saved, but the settings it replaced could not be "
                            u"kept as an earlier version.\n\n"_s +
                            cannotRead,
                  noRead = atStart + cannotRead,
                  pipe = u"\"%1/home/qzhome.dat\" cannot be read: it is a channel that passes data "
                         u"between programs, not a file."_s,
                  pipeAtSave = u"\n\nNothing was saved. Move it away or give it another name, then "
                               u"save again.\n\n(Error 75)"_s,
                  pageFailed = u"The home page settings were saved, but the home page itself was "
                               u"not, so the page still shows the earlier settings.\n\n\"%1/home/"
                               u"qzhome.html\" is a folder, not a file.\n\nSave again to write the "
                               u"page once the problem is solved.\n\n(Error 75)"_s,
                  changed = u"The home page settings were changed by another program after this "
                            u"window read them. Replace them with the settings in this window?"_s,
                  cannotWrite = u"You do not have permission to write the file \"%1/home/"
                                u"qzhome.dat\".\n\n(Error 70)"_s,
                  locked = u"The home page settings are being saved from another editor window, "
                           u"which may be waiting for an answer. Nothing was saved here: finish in "
                           u"the other window, then save again.\n\nIf no other editor window is "
                           u"open, delete the file \"%1/home/qzhome.lock\" and save again.\n\n"
                           u"(Error 75)"_s;
    const QString yes = u"Yes"_s, no = u"No"_s, ok = u"OK"_s;
    // What else the home folder holds; what the user does; the buttons clicked on the message boxes
    // in turn; what they said (%1: the application folder); what qzhome.dat, qzhome.html and the
    // history hold afterwards; whether the window is still open.
    const std::tuple<QString, QString, QStringList, QStringList, QString, bool> cases[] = {
        {{}, u"close"_s, {yes}, {closing}, u"saved saved before"_s, false},
        {{}, u"close"_s, {no}, {closing}, u"before - -"_s, false},
        {u"none"_s, u"save"_s, {}, {}, u"new new -"_s, true},
        {u"html dir"_s,
         u"close save"_s,
         {yes, ok, ok},
         {closing, pageFailed, pageFailed},
         u"saved - before,saved"_s,
         true},
        {u"theirs"_s, u"save save"_s, {no, no}, {changed, changed}, u"theirs theirs -"_s, true},
        {u"theirs"_s, u"save save"_s, {yes}, {changed}, u"saved saved theirs,saved"_s, true},
        {u"no read"_s, u"save"_s, {ok, yes, ok}, {noRead, unread, notKept}, u"new new -"_s, true},
        {u"no read"_s, u"close"_s, {ok, yes, no}, {noRead, closing, unread}, u"before - -"_s, true},
        {u"pipe"_s, u"save"_s, {ok, ok}, {atStart + pipe, pipe + pipeAtSave}, u"pipe - -"_s, true},
        {u"read-only"_s, u"save"_s, {ok}, {cannotWrite}, u"before - -"_s, true},
        {u"locked"_s, u"save"_s, {ok}, {locked}, u"before - -"_s, true},
    };
    // What a file holds, by its name in the table: "-" for none, "pipe" for what is no file.
    const auto bytes = [](const QString& sName, const QString& sType) {
        return sName == u"-"_s      ? QByteArray()
               : sName == u"pipe"_s ? "no file"
                                    : Golden(sName + sType);
    };
    const QString home = app.NativeFile(u"home"_s), dat = app.NativeFile(u"home/qzhome.dat"_s);
    for (const auto& [setUp, action, clicks, said, files, open] : cases) {
        SCOPED_TRACE((setUp + u' ' + action + u' ' + clicks.join(u',')).toStdString());
        QDir(home).removeRecursively();
        app.MakeFolder(u"home"_s);
        if (setUp == u"pipe"_s)
            mkfifo(QFile::encodeName(dat).constData(), 0600);
        else if (setUp != u"none"_s)
            app.WriteFile(u"home/qzhome.dat"_s, Golden(u"before.dat"_s));
        if (setUp.contains(u"html dir"_s))
            app.MakeFolder(u"home/qzhome.html"_s);
        QLockFile other(app.NativeFile(u"home/qzhome.lock"_s));
        if (setUp.contains(u"locked"_s))
            other.lock();
        if (setUp == u"no read"_s)
            QFile::setPermissions(dat, QFile::WriteOwner);
        if (setUp.contains(u"read-only"_s))
            QFile::setPermissions(home, QFile::ReadOwner | QFile::ExeOwner);
        Answers answers(clicks);
        Open();
        TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
        if (setUp.contains(u"theirs"_s)) {
            app.WriteFile(u"home/qzhome.dat"_s, Golden(u"theirs.dat"_s));
            app.WriteFile(u"home/qzhome.html"_s, Golden(u"theirs.html"_s));
        }
        for (const QString& step : action.split(u' '))
            step == u"save"_s ? PressCtrlS() : void(window->close());
        QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(dat, QFile::ReadOwner | QFile::WriteOwner);

        EXPECT_EQ(answers.said.join(u'|'), said.join(u'|').replace(u"%1"_s, app.NativeFile({})));
        EXPECT_EQ(window->isVisible(), open);
        const QStringList held = files.split(u' ');
        EXPECT_EQ(QFileInfo(dat).isFile() ? Home(u"qzhome.dat"_s) : "no file",
                  bytes(held[0], u".dat"_s));
        EXPECT_EQ(Home(u"qzhome.html"_s), bytes(held[1], u".html"_s));
        QStringList kept, history;
        for (const QString& name : QDir(home + u"/history"_s).entryList(QDir::Files))
            kept << QString::fromLatin1(app.ReadFile(u"home/history/"_s + name));
        for (const QString& name : held[2].split(u','))
            history << QString::fromLatin1(bytes(name, u".dat"_s));
        kept.sort();
        history.sort();
        EXPECT_EQ(kept.join(u'|'), history.join(u'|'));
    }
}

// A damaged file, cut short or with lines after the links it counts, opens on what could be read;
// the message names the line and the copy kept of the file.
TEST_F(Editor, OpensOnWhatCouldBeReadOfADamagedFile)
{
    QList<QByteArray> noLinks = Golden(u"saved.dat"_s).split('\n');
    noLinks[29] = "\" 0\"\r";
    const std::pair<QByteArray, QString> cases[] = {
        {"\"QZBROWSE_CFG_001\"\r\n\"My Home Page\"\r\n", u"before line 3 (the heading)"_s},
        {noLinks.join('\n'), u"line 30 (the number of links) gives no links"_s},
    };
    for (const auto& [file, says] : cases) {
        app.WriteFile(u"home/qzhome.dat"_s, file);
        QFile::remove(app.NativeFile(u"home/qzhome-damaged.dat"_s));
        Answers answers({u"OK"_s});
        Open();
        EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->text(), QString::fromLatin1(file.split('"')[3]));
        const QString kept = u"kept as \"%1\";"_s.arg(app.NativeFile(u"home/qzhome-damaged.dat"_s));
        EXPECT_TRUE(answers.said.value(0).contains(says) && answers.said.value(0).contains(kept))
            << answers.said.value(0).toStdString();
        EXPECT_EQ(app.ReadFile(u"home/qzhome-damaged.dat"_s), file);
    }
}

// A picture imported through the trail picker is listed by both pickers (the File menu's way:
// PickerTest); a name already taken, a file that is gone, or a pipe (never opened), is told and
// changes nothing.
TEST_F(Editor, ImportsAPictureIntoTheHomeFolder)
{
    const QString odd = u"new & #1.gif"_s;
    for (const QString& name : {odd, u"heart.gif"_s})
        app.WriteFile(u"outside/"_s + name, "new");
    mkfifo(QFile::encodeName(app.NativeFile(u"outside/pipe.gif"_s)).constData(), 0600);
    const struct {
        QString typed;           // empty: cancel
        QString message, trails; // the message's first line; the trail picker's choice afterwards
        QByteArray copied;       // the home folder's file of the typed name afterwards
    } cases[] = {
        {{}, {}, None, {}},
        {odd, {}, odd, "new"},
        {u"heart.gif"_s, u"A file with that name already exists in the folder."_s, None, "picture"},
        {u"gone.gif"_s, u"Could not import picture."_s, None, {}},
        {u"pipe.gif"_s, u"Could not import picture."_s, None, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QFile::remove(app.NativeFile(u"home/"_s + odd));
        Open(Page());
        Answers answers({u"OK"_s});
        ModalDriver fileDialog([&](QWidget* dialog) {
            if (c.typed.isEmpty())
                return ClickButton(dialog, u"Cancel"_s);
            TypeInto(dialog, u"fileNameEdit"_s, app.NativeFile(u"outside/"_s + c.typed));
            PressKey(dialog, Qt::Key_Return);
        });
        auto* wallpaper = Child<usrHomeImages>(u"cmbWallpaper"_s);
        auto* trails = Child<usrHomeImages>(u"cmbMouseTrails"_s);
        Choose(trails->findChild<QComboBox*>(), usrHomeImages::ImportEntry());

        EXPECT_EQ(answers.said.join(u'|').section(u'\n', 0, 0), c.message);
        EXPECT_EQ(Home(c.typed), c.copied);
        for (const usrHomeImages* picker : {wallpaper, trails})
            EXPECT_EQ(picker->findChild<QComboBox*>()->findText(odd) > 1, c.copied == "new");
        EXPECT_EQ(wallpaper->Text() + u'|' + trails->Text(), u"sky.jpg|"_s + c.trails);
    }
}

// Tab and Shift+Tab walk round through the preview's links, after every preview; the trail follows
// the pointer there. Only the web view follows the window, keeping its size when squeezed out.
// The File menu.
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
        walk(link,
             {u"cmbImages"_s, u"txtTitle"_s, u"txtURL"_s, u"cmdGetPicture"_s, u"cmdUpdatePreview"_s,
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
    EXPECT_EQ(
        items,
        QStringList({u"mnuFile_10 &Save"_s, u"mnuFile_15 -"_s, u"mnuFile_16 Import Picture..."_s,
                     u"mnuFile_17 Open Folder In Explorer"_s, u"mnuFile_18 Import Links..."_s,
                     u"mnuFile_21 &Check Links..."_s, u"mnuFile_22 &Export Page..."_s,
                     u"mnuFile_23 I&mport Page..."_s, u"mnuFile_19 -"_s, u"mnuFile_20 E&xit"_s}));
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

    // A page that shows is named for a screen reader by what it is in the window.
    EXPECT_TRUE(QTest::qWaitFor([view] { return view->title() == u"Preview"_s; }, 15000));
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
