#include "support/Bookmarks.h"

#include "common/QStringPrinter.h"
#include "support/Error.h"
#include "support/NativePath.h"

#include <QFile>
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

QByteArray Sample(const QString& sName)
{
    QFile file(QStringLiteral(QZ_TEST_DATA "/bookmarks/") + sName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file as a browser may also write it: all on one line with icons of tens of kilobytes, or cut
// short in the middle of a bookmark.
enum class Form { AsWritten, OneLongLine, CutAfterStory };

QByteArray InForm(QByteArray bytes, Form form)
{
    switch (form) {
    case Form::AsWritten:
        return bytes;
    case Form::OneLongLine:
        return bytes.replace('\n', ' ').replace("ICON=\"data:",
                                                "ICON=\"data:" + QByteArray(60000, 'Q'));
    case Form::CutAfterStory:
        return bytes.left(bytes.indexOf("Storyline") + 5);
    }
    return {};
}

TEST(Bookmarks, ReadAsTheBrowsersWriteThem)
{
    const QString chromium =
        u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Storyline Online "
        u"'Read' & more=https://www.storylineonline.net/ | 数学 Math=https://数学.example/} | "
        u"Empty{}} | NASA=https://www.nasa.gov/kids"_s;
    const struct {
        QString file;
        Form form;
        QString outline;
    } cases[] = {
        {u"firefox.html"_s, Form::AsWritten,
         u"Mozilla Firefox{Get Help=https://support.mozilla.org/products/firefox} | Recent "
         u"Tags=place:sort=8&maxResults=10 | Bookmarks Toolbar{Khan "
         u"Academy=https://www.khanacademy.org/ | Games & Puzzles{PBS KIDS  "
         u"Games=https://pbskids.org/games?age=5&lang=en | Cool Math 4 Kids "
         u"<3=https://www.coolmath4kids.com/} | A bookmarklet=javascript:alert('hi')} | NASA "
         u"Kids' Club — Ünïcödé=https://www.nasa.gov/kids"_s},
        {u"chromium.html"_s, Form::AsWritten, chromium},
        {u"chromium.html"_s, Form::OneLongLine, chromium},
        {u"chromium.html"_s, Form::CutAfterStory,
         u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Reading{Story="
         u"https://www.storylineonline.net/}}"_s},
        {u"safari.html"_s, Form::AsWritten,
         u"Favorites{Apple=https://www.apple.com/ | NASA=https://www.nasa.gov/kids} | Bookmarks "
         u"Menu{} | Nat Geo Kids=https://www.natgeokids.com/"_s},
        {u"windows-1252.html"_s, Form::AsWritten, u"Café “Kids”=https://www.café.example/"_s},
        {u"chromium.json"_s, Form::AsWritten,
         u"Bookmarks bar{Khan Academy=https://www.khanacademy.org/ | Games{PBS KIDS "
         u"Games=https://pbskids.org/games?age=5&lang=en}} | Other bookmarks{Über "
         u"Kinder=https://www.kindernetz.de/} | Mobile bookmarks{}"_s},
        {u"notes.txt"_s, Form::AsWritten, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outline(Bookmarks::Read(InForm(Sample(c.file), c.form))), c.outline)
            << c.file.toStdString() << int(c.form);
}

TEST(Bookmarks, CountsBookmarksInFoldersAndReportsAMissingFile)
{
    EXPECT_EQ(Bookmarks::Count(Bookmarks::Read(Sample(u"firefox.html"_s))), 7);
    try {
        Bookmarks::ReadFile(BackslashPath(QStringLiteral(QZ_TEST_DATA "/bookmarks/none.html")));
        ADD_FAILURE() << "a missing file was read";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), Error::FileNotFound);
    }
}

} // namespace
