#include "CWebPage.h"
#include "Error.h"
#include "SamplePages.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

struct ErrorCase {
    const char* name;
    std::optional<QByteArray> file; // written to home/x.dat; nothing leaves the path as it is
    QString path;                   // below the application folder
    qint32 number;
    QString says;
    // What the page holds afterwards: it starts with the title "Before" and one link.
    QString title;
    qint32 links;
};

const QString kFile = u"home\\x.dat"_s;

std::vector<ErrorCase> Cases()
{
    const QByteArray three = Golden(u"three.dat"_s);
    const QString before = u"Before"_s;
    const QString read = u"Trail Page"_s;
    return {
        {"missing file", {}, u"home\\none.dat"_s, 53, u"does not exist"_s, before, 1},
        {"missing folder", {}, u"nowhere\\x.dat"_s, 76, u"folder"_s, before, 1},
        {"a folder", {}, u"home"_s, 75, u"is a folder"_s, before, 1},
        {"empty file", "", kFile, 62, u"is empty"_s, before, 1},
        {"header in lower case", WithLine(three, 1, "\"qzbrowse_cfg_001\""), kFile, 13,
         u"not a home page settings file"_s, before, 1},
        {"header only", FirstLines(three, 1), kFile, 62, u"before line 2 (the page title)"_s,
         before, 1},
        {"ends after a colour", FirstLines(three, 5), kFile, 62,
         u"before line 6 (the text colour)"_s, read, 1},
        {"colour beyond 32 bits", WithLine(three, 6, "\"2147483648\""), kFile, 6,
         u"line 6 (the text colour)"_s, read, 1},
        {"more links than a page holds", WithLine(three, 30, "\" 32767\""), kFile, 6,
         u"line 30 (the number of links)"_s, read, 1},
        {"count beyond 16 bits", WithLine(three, 30, "\"-32769\""), kFile, 6,
         u"line 30 (the number of links)"_s, read, 1},
        {"more links than records", WithLine(three, 30, "\" 4\""), kFile, 62,
         u"before line 40 (the caption of link 4)"_s, read, 3},
        {"record cut short", FirstLines(three, 38), kFile, 62,
         u"before line 39 (the address of link 3)"_s, read, 2},
    };
}

TEST(LoadSettings, ReportsEveryFaultAndKeepsWhatWasRead)
{
    for (const ErrorCase& c : Cases()) {
        TempAppFolder app;
        app.MakeFolder(u"home"_s);
        if (c.file)
            app.WriteFile(u"home/x.dat"_s, *c.file);
        CWebPage page;
        page.SetTitle(u"Before"_s);
        page.Links().Add(std::make_shared<CWebPage>());
        const QString path = app.Path() + u'\\' + c.path;
        try {
            page.LoadSettings(path);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), c.number) << c.name;
            EXPECT_TRUE(error.Description().contains(path)) << c.name;
            EXPECT_TRUE(error.Description().contains(c.says)) << c.name << ": " << error.what();
        }
        EXPECT_EQ(page.Title(), c.title) << c.name;
        EXPECT_EQ(page.Links().Count(), c.links) << c.name;
    }
}

} // namespace
