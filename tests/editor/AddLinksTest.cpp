#include "editor/EditorFixture.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <sys/stat.h>

// A link's title as a browser gives it beside the address: Firefox gives text/x-moz-url in UTF-16.
static QMimeData* Titled(const QString& sFormat, const QString& sTitle)
{
    auto* data = new QMimeData;
    data->setData(sFormat, sFormat == u"text/html"_s
                               ? sTitle.toUtf8()
                               : QByteArray(reinterpret_cast<const char*>(sTitle.utf16()),
                                            sTitle.size() * 2));
    return data;
}

// The uri-list let go iHalves half rows below the top of the list's first row; the data goes.
static void Drop(QListView* list, QMimeData* data, const QString& sUriList, int iHalves)
{
    data->setData(u"text/uri-list"_s, sUriList.toUtf8());
    const QRect first = list->visualRect(list->model()->index(0, 0));
    const QPoint at = first.topLeft() + QPoint(4, 2 + first.height() * iHalves / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, {});
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, {});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
        QApplication::sendEvent(list->viewport(), event);
    delete data;
}

static const QString Samples =
    BackslashPath(QDir::cleanPath(QStringLiteral(QZ_TEST_DATA "/../support/bookmarks"))) + u'\\';

// File, Import Links...: the file chosen, the bookmarks found and the boxes or buttons clicked as a
// user does, then Enter or Esc. The page holds the Khan Academy bookmark already.
TEST_F(Editor, ImportLinksAddsTheCheckedBookmarksAtTheEnd)
{
    const QString page = u"Link 1 (https://www.khanacademy.org/)"_s;
    const QString firefoxNotes = u"|Recent Tags: A page cannot open this address.|Khan Academy: "
                                 u"Already on the page.|A bookmarklet: A page cannot open this "
                                 u"address.|Broken: A page cannot open this address."_s;
    const QString getHelpAndNasa = u"|Get Help (https://support.mozilla.org/products/firefox)|NASA "
                                   u"Kids' Club — Ünïcödé (https://www.nasa.gov/kids) @2"_s;
    // toggle: titles and button names, "|" between; Esc where nothing is to be added, else Enter
    const struct {
        QString seen, toggle, added = {}, find = {}, file = u"firefox.html"_s;
    } cases[] = {
        {u"4 links will be added."_s, u""_s,
         u"|Get Help (https://support.mozilla.org/products/firefox)|PBS KIDS  Games "
         u"(https://pbskids.org/games?age=5&lang=en)|Cool Math 4 Kids ‹3 "
         u"(https://www.coolmath4kids.com/)|NASA Kids' Club — Ünïcödé (https://www.nasa.gov/kids) @4"_s},
        {u"2 links will be added, 1 of them hidden by Find."_s, u"Games & Puzzles"_s,
         getHelpAndNasa, u"KIDS"_s},
        // a folder's box leaves what has a note as it is; the buttons act on what Find shows
        {u"2 links will be added."_s, u"Bookmarks Toolbar"_s, getHelpAndNasa},
        {u"1 link will be added, hidden by Find."_s, u"cmdClearAll"_s,
         u"|Get Help (https://support.mozilla.org/products/firefox) @1"_s, u"KIDS"_s},
        {u"5 links will be added."_s, u"Bookmarks Toolbar|Recent Tags|cmdCheckAll"_s},
        {u"2 links will be added."_s, u"cmdClearAll|Games & Puzzles"_s},
        // a title that would show reversed shows its turning character as a mark instead
        {u"2 links will be added.|Safe [U+202E]gpj.exe: Also above in this file."_s,
         u"Safe [U+202E]gpj.exe"_s,
         u"|Plain (https://a.example/)|Safe \u202Egpj.exe (https://a.example/) @2"_s, u""_s,
         u"bidi.html"_s},
        {u"1 link will be added, hidden by Find.|Khan Academy: Already on the page.|PBS again: "
         u"Also above in this file."_s,
         u"Über Kinder"_s, u"|PBS KIDS Games (https://pbskids.org/games?age=5&lang=en) @1"_s,
         u"OTHER"_s, u"chromium.json"_s},
        {u"No bookmarks were found in \"%1\"."_s, u""_s, u""_s, u""_s, u"notes.txt"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.file + u' ' + c.toggle).toStdString());
        CWebPage home = Page(1);
        home.Links().Item(1)->SetMainLink(u"https://www.khanacademy.org/"_s);
        Open(home);
        QString seen;
        MessageBoxSeen message;
        FileCommand(window.get(), mnuFileImportLinks, NativePath(Samples + c.file),
                    [&](QWidget* modal) {
                        if (qobject_cast<QMessageBox*>(modal))
                            return AnswerMessageBox(u"OK"_s, message)(modal);
                        auto* tree = modal->findChild<QTreeWidget*>(u"tvwBookmarks"_s);
                        TypeInto(modal, u"txtFind"_s, c.find);
                        for (const QString& toggle : c.toggle.split(u'|')) {
                            if (auto* button = modal->findChild<QPushButton*>(toggle))
                                QTest::mouseClick(button, Qt::LeftButton);
                            for (QTreeWidgetItem* item :
                                 tree->findItems(toggle, Qt::MatchExactly | Qt::MatchRecursive)) {
                                const QPoint title(tree->columnWidth(0) - 20,
                                                   tree->visualItemRect(item).center().y());
                                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, title);
                                QTest::keyClick(tree, Qt::Key_Space);
                            }
                        }
                        seen = modal->findChild<QLabel*>(u"lblCount"_s)->text();
                        for (QTreeWidgetItemIterator it(tree); *it; ++it)
                            if (!(*it)->text(2).isEmpty())
                                seen += u'|' + (*it)->text(0) + u": "_s + (*it)->text(2);
                        PressKey(modal, c.added.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
                    });
        EXPECT_EQ(seen + message.text, c.seen.arg(DisplayPath(Samples + c.file)) +
                                           (c.file == u"firefox.html"_s ? firefoxNotes : u""_s));
        EXPECT_EQ(Rows(Child<QListView>(u"lstLinks"_s)), page + c.added);
    }
}

// Ctrl+V on the list with addresses on the clipboard, as browsers put them there, and links
// dragged from a browser or a file manager and let go over the row's upper half, or below it.
TEST_F(Editor, PastedAndDroppedAddressesBecomeLinks)
{
    app.WriteFile(u"Fun.url"_s, "[InternetShortcut]\r\nURL=https://fun.example/\r\n");
    app.WriteFile(u"zoo.desktop"_s,
                  "[Desktop Entry]\nType=Link\nName=The Zoo\nURL=https://zoo.example/a\n");
    // Link files that are a pipe, which no one writes, and a device without end.
    ASSERT_EQ(mkfifo(QFile::encodeName(app.NativeFile(u"pipe.desktop"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, app.NativeFile(u"zero.desktop"_s)));
    const QString files = QUrl::fromLocalFile(app.NativeFile({})).toString() + u'/';
    enum { Paste = -2, PasteOnButton = -1 }; // else dropped at half rows from the top
    const struct {
        int how;
        QString text, added = {}, format = {}, title = {}; // text: the clipboard's, or a uri-list
    } cases[] = {
        {Paste, u"https://www.a.org/x\r\n"_s, u"|a.org (https://www.a.org/x) @1"_s},
        {Paste, u"https://a.org/\nftp://b.org/"_s,
         u"|a.org (https://a.org/)|b.org (ftp://b.org/) @2"_s},
        {Paste, u"https://a.org/\nnot an address"_s},
        {Paste, u"javascript:alert(1)"_s},
        {Paste, u"https://a.org/"_s, u"|A & B (https://a.org/) @1"_s, u"text/html"_s,
         u"<a href=\"https://a.org/\">A &amp; B</a>"_s},
        {Paste, u"https://a.org/"_s, u"|A (https://a.org/) @1"_s, u"text/x-moz-url"_s,
         u"https://a.org/\nA"_s},
        {PasteOnButton, u"https://a.org/"_s},
        {0, u"https://a.org/\r\n"_s, u"A (https://a.org/)|Link 1 (1.html) @0"_s,
         u"text/x-moz-url"_s, u"https://a.org/\nA"_s},
        {1,
         u"%1Fun.url\r\n%1zoo.desktop\r\n%1picture.jpg\r\n%1pipe.desktop\r\n%1zero.desktop"_s.arg(
             files),
         u"|Fun (https://fun.example/)|The Zoo (https://zoo.example/a) @2"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Open(Page(1));
        auto* list = Child<QListView>(u"lstLinks"_s);
        QMimeData* data = Titled(c.format, c.title);
        if (c.how < 0) {
            data->setText(c.text);
            QGuiApplication::clipboard()->setMimeData(data);
            Child(c.how == PasteOnButton ? u"cmdColors"_s : u"lstLinks"_s)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        } else {
            Drop(list, data, c.text, c.how);
        }
        QApplication::processEvents();
        EXPECT_EQ(Rows(list), c.how == 0 ? c.added : u"Link 1 (1.html)"_s + c.added);
    }
}

// Links with markup in their texts, from bookmarks files, the clipboard and dropped link files: the
// saved page holds their words and addresses in the order they came, never markup ("<" as "‹").
TEST_F(Editor, LinksFromOutsideBringNoMarkupOntoThePage)
{
    app.WriteFile(u"kids.html"_s,
                  "<DL><DT><A HREF=\"https://kids.example.org/&quot; onmouseover=&quot;location="
                  "'https://evil.example.com/'\">Cartoons &lt;img src=x onerror=&quot;location="
                  "'https://evil.example.com/'&quot;&gt;</A></DL>");
    app.WriteFile(u"kids.json"_s, R"({"roots":{"other":{"children":[{"type":"url",
                  "name":"<b>Bold</b>\u0007 \ud800","url":"https://j.example/a b\"<c>"}]}}})");
    app.WriteFile(u"Fun <3>.url"_s, "[InternetShortcut]\r\nURL=https://fun.example/\r\n");
    app.WriteFile(u"zoo.desktop"_s, "[Desktop Entry]\nName=<script>alert(1)</script>\n"
                                    "URL=https://zoo.example/\n");
    Open(Page(0));
    for (const QString& file : {u"kids.html"_s, u"kids.json"_s})
        FileCommand(window.get(), mnuFileImportLinks, app.NativeFile(file),
                    [](QWidget* modal) { PressKey(modal, Qt::Key_Return); });
    Activate(window.get());
    for (const auto& [format, address, title] :
         {std::tuple{u"text/html"_s, u"https://p.example/"_s,
                     u"<a href=\"https://p.example/\">&lt;script&gt;x&lt;/script&gt;</a>"_s},
          std::tuple{u"text/x-moz-url"_s, u"https://m.example/"_s,
                     u"https://m.example/\n<i>M</i>"_s}}) {
        QMimeData* data = Titled(format, title);
        data->setText(address);
        QGuiApplication::clipboard()->setMimeData(data);
        Child(u"lstLinks"_s)->setFocus();
        QTest::keyClick(Child(u"lstLinks"_s), Qt::Key_V, Qt::ControlModifier);
    }
    Drop(Child<QListView>(u"lstLinks"_s), new QMimeData,
         QUrl::fromLocalFile(app.NativeFile(u"Fun <3>.url"_s)).toString(QUrl::FullyEncoded) +
             u"\r\n"_s + QUrl::fromLocalFile(app.NativeFile(u"zoo.desktop"_s)).toString(),
         7);
    QApplication::processEvents();
    PressCtrlS();
    EXPECT_EQ(Home(u"qzhome.html"_s), Golden(u"outside.html"_s));
}

// A page near its most links takes what fits, and says how many were left out.
TEST_F(Editor, AddedLinksStopAtTheMostAPageHolds)
{
    Open(Page(Collection::MaxCount - 1));
    QGuiApplication::clipboard()->setText(
        u"https://a.example/\nhttps://b.example/\nhttps://c.example/"_s);
    Child(u"lstLinks"_s)->setFocus();
    Answers answers({u"OK"_s});
    QTest::keyClick(Child(u"lstLinks"_s), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(answers.said.join(u'|'),
              u"A page holds at most 32766 links, so 2 links were left out."_s);
    EXPECT_EQ(Rows(Child<QListView>(u"lstLinks"_s)).section(u'|', -1),
              u"a.example (https://a.example/) @32765"_s);
}
