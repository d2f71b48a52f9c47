#include "support/Bookmarks.h"

#include "common/ErrorOf.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/LinkText.h"
#include "support/NativePath.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// Folders as "title{entries}", bookmarks as "title=address", entries between " | ".
QString Outline(const Bookmark& folder)
{
    QStringList entries;
    for (const Bookmark& entry : folder.entries)
        entries << (entry.isFolder ? entry.title + u'{' + Outline(entry) + u'}'
                                   : entry.title + u'=' + entry.address);
    return entries.join(u" | "_s);
}

// Each file as a browser writes it; some also on one line with huge icons, without its character
// set, cut short in a bookmark, or with a byte order mark. Then what hands and services write.
TEST(Bookmarks, ReadAsTheBrowsersWriteThem)
{
    const auto file = [](const QString& name) {
        return ReadFile(QStringLiteral(QZ_TEST_DATA "/bookmarks/") + name);
    };
    const auto oneLine = [](QByteArray b) {
        return b.replace('\n', ' ').replace("ICON=\"", "ICON=\"" + QByteArray(60000, 'Q'));
    };
    const auto cut = [](QByteArray b) {
        return b.left(std::max(b.indexOf("Storyline"), b.indexOf("PBS")) + 5);
    };
    const QString chromium =
        u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Storyline Online "
        u"'Read' & more=https://www.storylineonline.net/ | 数学 Math=https://数学.example/} | "
        u"Empty{}} | NASA=https://www.nasa.gov/kids"_s;
    const QString chromiumJson =
        u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Games{PBS KIDS "
        u"Games=https://pbskids.org/games?age=5&lang=en}} | Other bookmarks{PBS "
        u"again=https://pbskids.org/games?age=5&lang=en | Über "
        u"Kinder=https://www.kindernetz.de/} | Mobile bookmarks{}"_s;
    const std::pair<QByteArray, QString> cases[] = {
        {file(u"firefox.html"_s),
         u"Mozilla Firefox{Get Help=https://support.mozilla.org/products/firefox} | Recent "
         u"Tags=place:sort=8&maxResults=10 | Bookmarks Toolbar{Khan "
         u"Academy=https://www.khanacademy.org/ | Games & Puzzles{PBS KIDS  "
         u"Games=https://pbskids.org/games?age=5&lang=en | Cool Math 4 Kids "
         u"<3=https://www.coolmath4kids.com/} | A bookmarklet=javascript:alert('hi') | "
         u"Broken=b0rked} | NASA "
         u"Kids' Club — Ünïcödé=https://www.nasa.gov/kids"_s},
        {file(u"chromium.html"_s), chromium},
        {oneLine(file(u"chromium.html"_s)), chromium},
        {file(u"chromium.html"_s).replace("charset=UTF-8", ""), chromium},
        {cut(file(u"chromium.html"_s)),
         u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Story="
         u"https://www.storylineonline.net/}}"_s},
        {file(u"safari.html"_s),
         u"Favorites{Apple=https://www.apple.com/ | NASA=https://www.nasa.gov/kids} | Bookmarks "
         u"Menu{} | Nat Geo Kids=https://www.natgeokids.com/"_s},
        {file(u"windows-1252.html"_s), u"Café “Kids”=https://www.café.example/"_s},
        {file(u"chromium.json"_s), chromiumJson},
        {cut(file(u"chromium.json"_s)), u"{Khan Academy=https://www.khanacademy.org/ | {}}"_s},
        {"\xEF\xBB\xBF" + file(u"chromium.json"_s), chromiumJson},
        {file(u"firefox.json"_s),
         u"Bookmarks Menu{Get Help=https://support.mozilla.org/products/firefox} | Bookmarks "
         u"Toolbar{Games %1{} | Khan Academy=https://www.khanacademy.org/} | Other "
         u"Bookmarks{Cartoons <img src=x onerror=\"location='https://evil.example.com/'\">\a="
         u"https://kids.example.org/\" onmouseover=\"location='https://evil.example.com/'} | "
         u"Mobile Bookmarks{}"_s.arg(QChar(0xD800))},
        {"<DL><DT><A HREF=\"https://a/\">A</A><DD>see <a href=\"https://b/\">this</a>"
         "<DT><A HREF=\"https://c/\" icon=\"x\">A ICON=\"x\" icon=\"y\" B</A>\0"
         "<DT><A HREF=\"https://d/\">if (a<b)</A><DT><A HREF=\"e\">C<T> templates</A></DL>"_ba,
         u"A=https://a/ | A ICON=\"x\" icon=\"y\" B=https://c/ | if (a<b)=https://d/ | C<T> "
         u"templates=e"_s},
        {"<meta charset=\"utf-8\"><DL><DT><A HREF=\"https://a/\">Caf\xE9</A>"
         "<DT><A HREF=\"https://b/\">\xC3\x9C\x62\x65r \xE2\x80\x9CKids\x94</A></DL>"_ba,
         u"Café=https://a/ | Über “Kids”=https://b/"_s},
        // 100 folders deep, a bookmark in the innermost and after each folder
        {"<DL>" + QByteArray("<DT><H3>f</H3><DL>").repeated(100) +
             "<DT><A HREF=\"https://x/\">x</A>" +
             QByteArray("</DL><DT><A HREF=\"https://y/\">y</A>").repeated(100) + "</DL>",
         u"f{"_s.repeated(64) + u"x=https://x/"_s + u" | y=https://y/"_s.repeated(36) + u"}"_s +
             u" | y=https://y/}"_s.repeated(63) + u" | y=https://y/"_s},
        // cut inside the bookmark of the innermost of 40 folders, each with one
        {"{\"roots\":{\"bookmark_bar\":" +
             QByteArray("{\"children\":[{\"type\":\"url\",\"name\":\"b\",\"url\":\"x:\"},")
                 .repeated(40) +
             "{\"type\":\"url\",\"name\":\"b",
         u"{b=x: | "_s.repeated(39) + u"{b=x:}"_s + u"}"_s.repeated(39)},
    };
    for (const auto& [bytes, outline] : cases)
        EXPECT_EQ(Outline(Bookmarks::Read(bytes)), outline);
}

// A file far larger than any bookmarks file is refused before it is read.
TEST(Bookmarks, AFileOver200MBIsRefusedUnread)
{
    TempAppFolder app;
    QFile big(app.NativeFile(u"big.html"_s));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(200'000'001));
    const QString file = app.Path() + u"\\big.html"_s;
    EXPECT_EQ(ErrorOf([&] { Bookmarks::ReadFile(file); }).Description(),
              u"\"%1\" is larger than 200 MB, far larger than any bookmarks file, so it was not "
              u"read."_s.arg(DisplayPath(file)));
}

} // namespace

// What a link from outside may bring onto a child's page: words and an address that opens a
// page, never script.
TEST(LinksFromOutside, BringNoScriptAddress)
{
    const std::pair<QString, QString> cases[] = {
        {u"javascript:location='https://evil.example/'"_s, {}},
        {u" JavaScript:alert(1)"_s, {}},
        {u"vbscript:msgbox(1)"_s, {}},
        {u"data:text/html,<script>alert(1)</script>"_s, {}},
        {u"place:sort=8"_s, {}},
        {u"mailto:granny@example.org"_s, u"mailto:granny@example.org"_s},
        {u"https://kids.example.org/a b"_s, u"https://kids.example.org/a%20b"_s},
        {u"games.html"_s, u"games.html"_s},
    };
    for (const auto& [address, stored] : cases)
        EXPECT_EQ(LinkTexts::FromOutside(u"Fun"_s, address).address, stored)
            << address.toStdString();
}
