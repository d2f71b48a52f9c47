#include "common/LocalSite.h"
#include "editor/EditorFixture.h"
#include "editor/HomePictures.h"
#include "toolkit/SitePicture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace
{

// A site whose page names a 192-pixel icon, one whose page never comes, and nothing else.
void ServeSite(LocalSite& site)
{
    site.Serve("/icons.html",
               LocalSite::Page(R"(<link rel="icon" sizes="192x192" href="/big.png">)"));
    site.Serve("/big.png", LocalSite::Picture({192, 192}, Qt::green), "image/png");
    site.Hang("/slow.html");
}

// The site's pages in a bookmarks file, each titled "Kid" and its path, brought in by Import Links
// with "Get each link's picture from its site" checked.
void ImportGettingPictures(QWidget* window, const TempAppFolder& app, const LocalSite& site,
                           const QList<QByteArray>& pages)
{
    QByteArray bookmarks = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (const QByteArray& page : pages)
        bookmarks += "<DT><A HREF=\"" + site.Url(page).toUtf8() + "\">Kid" + page + "</A>\n";
    app.WriteFile(u"bookmarks.html"_s, bookmarks + "</DL>\n");
    FileCommand(window, mnuFileImportLinks, app.NativeFile(u"bookmarks.html"_s),
                [](QWidget* modal) {
                    auto* box = modal->findChild<QCheckBox*>(u"chkGetPictures"_s);
                    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
                    ClickButton(modal, u"Add Links"_s);
                });
}

} // namespace

// "Get Picture": the site's picture goes into home under its host's name, never over another,
// listed by every picker and chosen; OK gives it to the link. What is no page says so and changes
// nothing; the same button stops a fetch.
TEST_F(Editor, GetPictureSavesTheSitesPictureAndChoosesIt)
{
    LocalSite site;
    ServeSite(site);
    const QString missing = site.Url("/missing.html");
    const std::tuple<QString, QString, QString> cases[] = {
        // typed, said, chosen after
        {u"pbskids.org"_s, u"Type the address of a web page first."_s, u"ball.jpg"_s},
        {site.Url("/icons.html"), {}, u"127.0.0.1.jpg"_s},
        {site.Url("/icons.html"), {}, u"127.0.0.1-2.jpg"_s},
        {missing,
         u"Could not get a picture from \"%1\": the site has no page at that address."_s.arg(
             missing),
         u"127.0.0.1-2.jpg"_s},
    };
    Open(Page(1));
    ModalDriver driver([&](QWidget* dialog) {
        auto* button = dialog->findChild<QPushButton*>(u"cmdGetPicture"_s);
        auto* picker = dialog->findChild<usrHomeImages*>(u"cmbImages"_s);
        picker->ShowPicture(u"ball.jpg"_s);
        TypeInto(dialog, u"txtTitle"_s, u" "_s); // a caption not yet typed takes the page's title
        for (const auto& [typed, said, chosen] : cases) {
            SCOPED_TRACE(typed.toStdString());
            Answers answers({u"OK"_s});
            TypeInto(dialog, u"txtURL"_s, typed);
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_TRUE(WaitUntil([&] {
                return button->text() == u"&Get Picture"_s &&
                       !answers.said.isEmpty() == !said.isEmpty();
            }));
            EXPECT_EQ(answers.said.join(u'|'), said);
            EXPECT_EQ(picker->Text(), chosen);
        }
        // Stopped: no picture and no message, even once the time limit has passed.
        dialog->findChild<SitePicture*>()->SetTimeLimit(500);
        Answers answers({u"OK"_s});
        TypeInto(dialog, u"txtURL"_s, site.Url("/slow.html"));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(button->text(), u"&Stop"_s);
        QTest::mouseClick(button, Qt::LeftButton);
        WaitUntil([] { return false; }, 1000);
        EXPECT_EQ(button->text() + answers.said.join(u'|'), u"&Get Picture"_s);
        ClickButton(dialog, u"OK"_s);
    });
    ClickItem(Child<QListView>(u"lstLinks"_s), 0);
    ClickButton(window.get(), u"cmdLink_1"_s);
    ASSERT_TRUE(driver.Ran());

    const CWebPage& link = *window->Page().Links().Item(1);
    EXPECT_EQ(link.MainPicture() + u'|' + link.Name(), u"127.0.0.1-2.jpg|A site"_s);
    // A tile of the page's side: its pictures are none that can be read.
    EXPECT_EQ(QImage(app.NativeFile(u"home/127.0.0.1-2.jpg"_s)).size(), QSize(96, 96));
    EXPECT_EQ(QDir(app.NativeFile(u"home"_s)).entryList(QDir::Files).filter(u"127"_s).size(), 2);
    const auto listed = [this](const QString& sName) {
        return Child<usrHomeImages>(u"cmbWallpaper"_s)->findChild<QComboBox*>()->findText(sName);
    };
    EXPECT_GE(listed(u"127.0.0.1-2.jpg"_s), 2);

    // Cancelled, the dialog takes out the pictures it got, and the pickers no longer list them.
    ModalDriver cancelled([&](QWidget* dialog) {
        TypeInto(dialog, u"txtURL"_s, site.Url("/icons.html"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdGetPicture"_s), Qt::LeftButton);
        EXPECT_TRUE(
            WaitUntil([&] { return QFile::exists(app.NativeFile(u"home/127.0.0.1-3.jpg"_s)); }));
        ClickButton(dialog, u"Cancel"_s);
    });
    ClickButton(window.get(), u"cmdLink_1"_s);
    ASSERT_TRUE(cancelled.Ran());
    EXPECT_FALSE(app.Exists(u"home/127.0.0.1-3.jpg"_s));
    EXPECT_EQ(listed(u"127.0.0.1-3.jpg"_s), -1);
}

// Import Links with "Get each link's picture from its site": the links come at once and their
// pictures after, while a bar counts them. Cancelled, they end without a word; undone at once, the
// import gets none: no step takes the place of its Redo, and no picture comes into home. A link
// deleted while it is fetched is no matter. The pictures are tiles of the page's side and one step;
// when the last is in, a message names the links whose sites gave none.
TEST_F(Editor, ImportedLinksGetTheirSitesPictures)
{
    LocalSite site;
    ServeSite(site);
    site.Serve("/icons2.html", LocalSite::Page(R"(<link rel="icon" href="/big.png">)"));
    WritePicture(u"home/ball.jpg"_s, {64, 64}, Qt::red);
    Open(Page(1));
    Answers answers({u"OK"_s});
    const auto* bar = window->statusBar();
    ImportGettingPictures(window.get(), app, site, {"/slow.html"});
    ClickButton(window.get(), u"cmdCancelPictures"_s);
    EXPECT_FALSE(bar->isVisible());
    EditMenu(mnuEditUndo)->trigger();
    ImportGettingPictures(window.get(), app, site, {"/icons.html"});
    EditMenu(mnuEditUndo)->trigger();
    WaitUntil([] { return false; }, 2000);
    EXPECT_EQ(EditMenu(mnuEditRedo)->text(), u"&Redo Import Links"_s);
    EXPECT_TRUE(QDir(app.NativeFile(u"home"_s)).entryList({u"127*"_s}).isEmpty());
    EXPECT_FALSE(bar->isVisible());

    ImportGettingPictures(window.get(), app, site,
                          {"/icons.html", "/missing.html", "/icons2.html", "/slow.html"});
    const Collection& links = window->Page().Links();
    ASSERT_EQ(links.Count(), 5);
    const auto* count = bar->findChild<QLabel*>();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(count->text(), u"Getting pictures: 0 of 4"_s);
    EXPECT_TRUE(WaitUntil([&] { return count->text() == u"Getting pictures: 3 of 4"_s; }));
    const std::shared_ptr<CWebPage> slow = links.Item(5);
    ClickItem(Child<QListView>(u"lstLinks"_s), 4);
    ClickButton(window.get(), u"cmdLink_2"_s); // the slow site's link deleted while it is fetched
    EXPECT_TRUE(WaitUntil([&] { return !answers.said.isEmpty(); }));
    EXPECT_EQ(answers.said, QStringList({u"2 of 3 links got their site's picture. None came "
                                         u"from: Kid/missing.html."_s}));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(slow->MainPicture().isEmpty());
    for (const qint32 position : {2, 4})
        EXPECT_EQ(QImage(app.NativeFile(u"home/"_s + links.Item(position)->MainPicture())).size(),
                  QSize(64, 64));
    const auto* wallpapers = Child(u"cmbWallpaper"_s)->findChild<QComboBox*>();
    EXPECT_GE(wallpapers->findText(links.Item(4)->MainPicture()), 2);
    auto* undo = EditMenu(mnuEditUndo);
    QStringList steps;
    for (int step = 0; step < 3; ++step, undo->trigger())
        steps << undo->text();
    EXPECT_EQ(steps, QStringList({u"&Undo Delete Link"_s, u"&Undo Link Pictures"_s,
                                  u"&Undo Import Links"_s}));
    EXPECT_EQ(links.Count(), 1);
}

// Make Link Pictures Match: each picture that is not a square of the side most common on the page
// gets a tile copy beside it, never over a file, on the page's background colour; a picture that
// cannot be read is left alone. One step, undone at once; once all match, it says so.
TEST_F(Editor, MakeLinkPicturesMatchGivesEveryLinkATileOfThePagesSide)
{
    // The size of the picture file written, if any; the link's picture before and after.
    const std::tuple<QSize, QString, QString> pictures[] = {
        {{64, 64}, u"b.jpg"_s, u"b.jpg"_s},        {{16, 16}, u"c.bmp"_s, u"c-64.jpg"_s},
        {{128, 100}, u"d.jpg"_s, u"d-64-2.jpg"_s}, {{}, u"missing.gif"_s, u"missing.gif"_s},
        {{}, u"ball.jpg"_s, u"ball.jpg"_s}, // not a picture
        {{}, u"c.bmp"_s, u"c-64.jpg"_s},
    };
    app.WriteFile(u"home/d-64.jpg"_s, "mine");
    CWebPage page = Page(0);
    page.SetBackcolor(0x000080); // dark red
    QStringList before, after;
    for (const auto& [size, was, becomes] : pictures) {
        if (size.isValid())
            WritePicture(u"home/"_s + was, size, Qt::blue);
        page.Links().Add(std::make_shared<CWebPage>());
        page.Links().Item(page.Links().Count())->SetMainPicture(was);
        before << was, after << becomes;
    }
    Open(page);
    auto* match = Child<QAction>(u"mnuEdit_3"_s);
    auto* undo = Child<QAction>(u"mnuEdit_0"_s);
    EXPECT_EQ(match->text(), u"Make Link &Pictures Match"_s);
    const auto shown = [this] {
        QStringList names;
        for (const std::shared_ptr<CWebPage>& link : window->Page().Links())
            names << link->MainPicture();
        return names;
    };
    match->trigger();
    EXPECT_EQ(shown(), after);
    EXPECT_EQ(app.ReadFile(u"home/d-64.jpg"_s), "mine");
    EXPECT_GE(Child(u"cmbWallpaper"_s)->findChild<QComboBox*>()->findText(u"c-64.jpg"_s), 2);
    const QImage tile(app.NativeFile(u"home/c-64.jpg"_s));
    ASSERT_EQ(tile.size(), QSize(64, 64));
    EXPECT_LT(qRed(tile.pixel(32, 32)), 40); // enlarged twice, not to the whole tile
    EXPECT_GT(qRed(tile.pixel(10, 32)), 100);
    EXPECT_EQ(QImage(app.NativeFile(u"home/d-64-2.jpg"_s)).size(), QSize(64, 64));
    EXPECT_EQ(undo->text(), u"&Undo Make Link Pictures Match"_s);
    undo->trigger();
    EXPECT_EQ(shown(), before);
    Child<QAction>(u"mnuEdit_1"_s)->trigger();
    Answers answers({u"OK"_s});
    match->trigger();
    EXPECT_EQ(answers.said,
              QStringList({u"The link pictures already match: each is 64 by 64 pixels."_s}));
    EXPECT_EQ(undo->text(), u"&Undo Make Link Pictures Match"_s);
}

// Named after the host, never over a file that is there; at most 256 pixels, on white.
TEST(HomePictures, WritesASitesPictureAsAJpegOnWhiteUnderAFreeName)
{
    TempAppFolder app;
    app.WriteFile(u"home/kids.org-2.jpg"_s, "mine");
    QImage picture(512, 300, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const HomePictures home(app.Path() + u"\\home"_s);
    QStringList names;
    for (const QString& address : {u"https://www.kids.org/a"_s, u"http://kids.org:8080/"_s,
                                   u"http://[::1]/"_s, u"https://kids.org"_s})
        names << home.WriteSitePicture(picture, address);
    EXPECT_EQ(names, QStringList({u"kids.org.jpg"_s, u"kids.org-3.jpg"_s, u"--1.jpg"_s,
                                  u"kids.org-4.jpg"_s}));
    EXPECT_EQ(app.ReadFile(u"home/kids.org-2.jpg"_s), "mine");
    const QByteArray bytes = app.ReadFile(u"home/kids.org.jpg"_s);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
    const QImage written = QImage::fromData(bytes);
    EXPECT_EQ(written.size(), QSize(256, 150));
    EXPECT_EQ(qGray(written.pixel(128, 75)), 255);
}

// The copy that the lists show of a picture they do not: the very bytes under a listed name, or,
// for the link dialog's picker, a JPEG tile of the page's side.
TEST(HomePictures, OffersAListedCopyAsATileWhenGivenTheSide)
{
    TempAppFolder app;
    app.WriteFile(u"home/cat.BMP"_s, LocalSite::Picture({40, 30}, Qt::red, "BMP"));
    app.WriteFile(u"home/photo.png"_s, LocalSite::Picture({40, 30}, Qt::red));
    const HomePictures home(app.Path() + u"\\home"_s);
    // The picture, the tile's side (0: none), the copy's name and size, whether it keeps the bytes.
    const std::tuple<QString, int, QString, QSize, bool> cases[] = {
        {u"cat.BMP"_s, 0, u"cat.bmp"_s, {40, 30}, true},
        {u"cat.BMP"_s, 64, u"cat.jpg"_s, {64, 64}, false},
        {u"photo.png"_s, 64, u"photo.jpg"_s, {64, 64}, false},
    };
    for (const auto& [file, side, name, size, sameBytes] : cases) {
        const std::optional<HomePictures::ListedCopy> copy = home.ListedCopyOf(file, side);
        ASSERT_TRUE(copy) << qPrintable(file);
        EXPECT_EQ(std::tuple(copy->name, copy->picture.size(), copy->sameBytes),
                  std::tuple(name, size, sameBytes));
    }
}
