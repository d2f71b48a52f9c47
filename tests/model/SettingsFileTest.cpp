#include "CWebPage.h"
#include "SamplePages.h"
#include "TempAppFolder.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace
{

QString SettingsPath(const TempAppFolder& app)
{
    app.MakeFolder(u"home"_s);
    return app.Path() + u"\\home\\qzhome.dat"_s;
}

// Loads the bytes as a settings file into a fresh page.
void LoadBytes(CWebPage& page, const QByteArray& bytes)
{
    TempAppFolder app;
    app.WriteFile(u"home/qzhome.dat"_s, bytes);
    page.LoadSettings(SettingsPath(app));
}

class GoldenPage : public ::testing::TestWithParam<QString>
{
};

// Both files are written over a longer old one, which must be replaced whole.
TEST_P(GoldenPage, WritesBothFilesByteForByte)
{
    TempAppFolder app;
    app.WriteFile(u"home/qzhome.dat"_s, QByteArray(5000, 'x'));
    app.WriteFile(u"home/qzhome.html"_s, QByteArray(5000, 'x'));
    CWebPage page;
    FillSamplePage(page, GetParam());
    page.SaveSettings(SettingsPath(app));
    page.GeneratePage(app.Path() + u"\\home\\qzhome.html"_s);
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(GetParam() + u".dat"_s));
    EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(GetParam() + u".html"_s));
}

// What is read back writes the same file again, so every value survived; links come back as links.
TEST_P(GoldenPage, ReadsBackWhatItWrote)
{
    CWebPage page;
    LoadBytes(page, Golden(GetParam() + u".dat"_s));
    for (qint32 position = 1; position <= page.Links().Count(); ++position)
        EXPECT_EQ(page.Links().Item(position)->Mode(), 1);
    TempAppFolder app;
    page.SaveSettings(SettingsPath(app));
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(GetParam() + u".dat"_s));
}

INSTANTIATE_TEST_SUITE_P(Pages, GoldenPage,
                         ::testing::Values(u"empty"_s, u"one"_s, u"three"_s, u"four"_s));

TEST(GeneratePage, WritesALinkOnItsOwnWithoutAnchor)
{
    TempAppFolder app;
    app.MakeFolder(u"home"_s);
    CWebPage link;
    FillSamplePage(link, u"link"_s);
    link.GeneratePage(app.Path() + u"\\home\\qzhometmp2.html"_s);
    EXPECT_EQ(app.ReadFile(u"home/qzhometmp2.html"_s), Golden(u"link.html"_s));
}

struct TextCase {
    QString value;
    QByteArray stored;
    QString readBack;
};

TEST(SettingsFile, StoresTextSoThatItReadsBack)
{
    const TextCase cases[] = {
        {u"a, b"_s, "\"a, b\"", u"a, b"_s},
        {u"  (None) "_s, "\"  (None) \"", u"  (None) "_s},
        {u"say \"hi\""_s, "\"say \"\"hi\"\"\"", u"say \"hi\""_s},
        {u"\""_s, "\"\"\"\"", u"\""_s},
        {u"two\r\nlines\nand\rmore"_s, "\"two lines and more\"", u"two lines and more"_s},
        {u"caf\u00e9 \u20ac"_s, "\"caf\xe9 \x80\"", u"caf\u00e9 \u20ac"_s},
        {u"\u4e2d \U0001F600"_s, "\"&#20013; &#128512;\"", u"\u4e2d \U0001F600"_s},
        {u"&#65; &#233;"_s, "\"&#65; &#233;\"", u"&#65; &#233;"_s},
    };
    for (const TextCase& c : cases) {
        TempAppFolder app;
        CWebPage page;
        page.SetTitle(c.value);
        page.SaveSettings(SettingsPath(app));
        EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s).split('\n').at(1), c.stored + '\r');
        CWebPage loaded;
        loaded.LoadSettings(SettingsPath(app));
        EXPECT_EQ(loaded.Title(), c.readBack) << c.stored.constData();
    }
}

TEST(SettingsFile, ReadsTheNumberAtTheStartOfAValue)
{
    const std::pair<QByteArray, qint32> cases[] = {
        {"\" 65535\"", 65535},
        {"\"-1\"", -1},
        {"\"  -7\"", -7},
        {"\"12abc\"", 12},
        {"\"abc\"", 0},
        {"\"\"", 0},
        {"\"007\"", 7},
        {"\"-2147483648\"", std::numeric_limits<qint32>::min()},
        {"\" 2147483647\"", std::numeric_limits<qint32>::max()},
    };
    for (const auto& [stored, color] : cases) {
        CWebPage page;
        LoadBytes(page, WithLine(Golden(u"empty.dat"_s), 5, stored));
        EXPECT_EQ(page.Backcolor(), color) << stored.constData();
    }
}

struct FormCase {
    const char* name;
    QByteArray file;
    QString title;
    qint32 links;
};

TEST(SettingsFile, ReadsEveryFormItAccepts)
{
    const QByteArray three = Golden(u"three.dat"_s);
    const FormCase cases[] = {
        {"text on a reserved line", WithLine(three, 20, "\"anything\""), u"Trail Page"_s, 3},
        {"a count of 0 before records", WithLine(three, 30, "\" 0\""), u"Trail Page"_s, 0},
        {"a negative count", WithLine(three, 30, "\"-3\""), u"Trail Page"_s, 0},
        {"text after the closing quote", WithLine(three, 2, "\"Title\" junk\""), u"Title"_s, 3},
        {"no quotes at all", WithLine(three, 2, "bare words"), u"bare words"_s, 3},
        {"no closing quote", WithLine(three, 2, "\"open"), u"open"_s, 3},
    };
    for (const FormCase& c : cases) {
        CWebPage page;
        LoadBytes(page, c.file);
        EXPECT_EQ(page.Title(), c.title) << c.name;
        EXPECT_EQ(page.Links().Count(), c.links) << c.name;
    }
}

} // namespace
