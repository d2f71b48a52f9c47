#include "support/Bookmarks.h"

#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"

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
// set, or cut short in a bookmark.
TEST(Bookmarks, ReadAsTheBrowsersWriteThem)
{
    using Form = QByteArray (*)(QByteArray);
    const Form asWritten = [](QByteArray b) { return b; };
    const Form oneLine = [](QByteArray b) {
        return b.replace('\n', ' ').replace("ICON=\"", "ICON=\"" + QByteArray(60000, 'Q'));
    };
    const Form undeclared = [](QByteArray b) { return b.replace("charset=UTF-8", ""); };
    const Form cut = [](QByteArray b) {
        return b.left(std::max(b.indexOf("Storyline"), b.indexOf("PBS")) + 5);
    };
    const QString chromium =
        u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Storyline Online "
        u"'Read' & more=https://www.storylineonline.net/ | 数学 Math=https://数学.example/} | "
        u"Empty{}} | NASA=https://www.nasa.gov/kids"_s;
    const std::tuple<QString, Form, QString> cases[] = {
        {u"firefox.html"_s, asWritten,
         u"Mozilla Firefox{Get Help=https://support.mozilla.org/products/firefox} | Recent "
         u"Tags=place:sort=8&maxResults=10 | Bookmarks Toolbar{Khan "
         u"Academy=https://www.khanacademy.org/ | Games & Puzzles{PBS KIDS  "
         u"Games=https://pbskids.org/games?age=5&lang=en | Cool Math 4 Kids "
         u"<3=https://www.coolmath4kids.com/} | A bookmarklet=javascript:alert('hi')} | NASA "
         u"Kids' Club — Ünïcödé=https://www.nasa.gov/kids"_s},
        {u"chromium.html"_s, asWritten, chromium},
        {u"chromium.html"_s, oneLine, chromium},
        {u"chromium.html"_s, undeclared, chromium},
        {u"chromium.html"_s, cut,
         u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Story="
         u"https://www.storylineonline.net/}}"_s},
        {u"safari.html"_s, asWritten,
         u"Favorites{Apple=https://www.apple.com/ | NASA=https://www.nasa.gov/kids} | Bookmarks "
         u"Menu{} | Nat Geo Kids=https://www.natgeokids.com/"_s},
        {u"windows-1252.html"_s, asWritten, u"Café “Kids”=https://www.café.example/"_s},
        {u"chromium.json"_s, asWritten,
         u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Games{PBS KIDS "
         u"Games=https://pbskids.org/games?age=5&lang=en}} | Other bookmarks{PBS "
         u"again=https://pbskids.org/games?age=5&lang=en | Über "
         u"Kinder=https://www.kindernetz.de/} | Mobile bookmarks{}"_s},
        {u"chromium.json"_s, cut, u"{Khan Academy=https://www.khanacademy.org/ | {}}"_s},
    };
    for (const auto& [file, form, outline] : cases)
        EXPECT_EQ(Outline(Bookmarks::Read(
                      form(ReadFile(QStringLiteral(QZ_TEST_DATA "/bookmarks/") + file)))),
                  outline)
            << file.toStdString();
}

} // namespace
