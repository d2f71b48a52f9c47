#include "common/ErrorOf.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "model/CWebPage.h"
#include "model/basConversions.h"
#include "model/basWebSafeColorProcs.h"
#include "support/Error.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace
{

std::shared_ptr<CWebPage> Link(const QString& name)
{
    auto link = std::make_shared<CWebPage>();
    link->SetName(name);
    return link;
}

// Each link's caption followed by ";".
QString Captions(const Collection& links)
{
    QString captions;
    for (qint32 position = 1; position <= links.Count(); ++position)
        captions += links.Item(position)->Name() + u';';
    return captions;
}

// A full page refuses the next link; the links handed out are those the page holds.
TEST(Collection, KeepsOrderAndRefusesPositionsOutsideItsLinks)
{
    const std::tuple<std::function<void(Collection&)>, QString, qint32> cases[] = {
        // what is done to the links "ABC", the links afterwards and the error (0 for none)
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 1), c.Add(Link(u"E"_s)); }, u"D;A;B;C;E;"_s, 0},
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 3), c.Remove(1); }, u"B;D;C;"_s, 0},
        {[](auto& c) { c.AddAfter(Link(u"D"_s), 1); }, u"A;D;B;C;"_s, 0},
        {[](auto& c) { c.Item(0); }, u"A;B;C;"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.Item(4); }, u"A;B;C;"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.AddBefore(Link(u"X"_s), 4); }, u"A;B;C;"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.AddAfter(Link(u"X"_s), 0); }, u"A;B;C;"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.Add(nullptr); }, u"A;B;C;"_s, Error::InvalidPropertyValue},
        {[](auto& c) {
             while (c.Count() < Collection::MaxCount)
                 c.Add(Link(u"Z"_s));
             c.Add(Link(u"X"_s));
         },
         u"A;B;C;"_s + u"Z;"_s.repeated(Collection::MaxCount - 3), Error::Overflow},
    };
    for (const auto& [operation, expectedNames, expectedError] : cases) {
        Collection links;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s})
            links.Add(Link(name));
        const qint32 error = ErrorOf([&] { operation(links); }).Number();
        EXPECT_EQ(std::tuple(Captions(links), error), std::tuple(expectedNames, expectedError));
    }
}

TEST(Colors, ConvertRedFirst)
{
    EXPECT_EQ(basWebSafeColorProcs::ColorToHtml(0x1000000), u"#0000100"_s);
    EXPECT_EQ(basConversions::RGBToHex(u"1; 2; 3; 4"_s, u"; "_s), u"010203"_s);
    EXPECT_THROW(basConversions::RGBToHex(u"1;2;3"_s, u","_s), Error);
}

QByteArray WithLine(const QByteArray& file, int line, const QByteArray& text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

QByteArray FirstLines(const QByteArray& file, int count)
{
    return file.split('\n').mid(0, count).join('\n') + '\n';
}

// Each sample (a new page is "empty") and the shipped starter page, read and written back over
// longer files; also the link of "one" as the link dialog shows it, and "one" in neither Mode.
TEST(PageFiles, ReadAndWriteEverySampleByteForByte)
{
    for (const QString& name :
         {u"empty"_s, u"one"_s, u"three"_s, u"four"_s, u"../../../data/home/qzhome"_s}) {
        SCOPED_TRACE(name.toStdString());
        TempAppFolder app;
        app.WriteFile(u"home/x.dat"_s, Golden(name + u".dat"_s));
        app.WriteFile(u"home/qzhome.dat"_s, QByteArray(5000, 'x'));
        app.WriteFile(u"home/qzhome.html"_s, QByteArray(5000, 'x'));
        const QString html = app.Path() + u"\\home\\qzhome.html"_s;
        CWebPage page;
        if (name != u"empty")
            page.LoadSettings(app.Path() + u"\\home\\x.dat"_s);
        page.SaveSettings(app.Path() + u"\\home\\qzhome.dat"_s);
        page.GeneratePage(html);
        EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(name + u".dat"_s));
        EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(name + u".html"_s));
        if (name == u"one") {
            page.Links().Item(1)->GeneratePage(html);
            EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(u"link.html"_s));
            page.SetMode(2);
            page.GeneratePage(html);
            EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s),
                      FirstLines(Golden(u"one.html"_s), 5) + "</body>\r\n</html>\r\n");
        }
    }
}

// Each text is stored alike as the title and as a link's picture between two plain texts.
TEST(SettingsFile, StoresTextSoThatItReadsBack)
{
    const QString longText = u"abcdefg"_s.repeated(43000); // longer than the reader's blocks
    // the text typed, as stored, and as read back where that differs
    const std::tuple<QString, QByteArray, QString> cases[] = {
        {u"they say \"hi\" to all"_s, "\"they say \"\"hi\"\" to all\"", {}},
        {u"two\r\nlines\nand\rmore"_s, "\"two lines and more\"", u"two lines and more"_s},
        {u"caf\u00e9 \u20ac\u2019\u4e2d \U0001F600!"_s,
         "\"caf\xe9 \x80\x92&#20013; &#128512;!\"",
         {}},
        {u"&#38;# and &#65;"_s, "\"&#38;#38;# and &#38;#65;\"", {}},
        {u"&#233; &"_s + QChar(0xD800), "\"&#38;#233; &&#55296;\"", u"&#233; &&#55296;"_s},
        {longText + u"\u4e2d"_s, '"' + longText.toLatin1() + "&#20013;\"", {}},
    };
    for (const auto& [text, stored, readBack] : cases) {
        SCOPED_TRACE(stored.left(40).constData());
        TempAppFolder app;
        const QString dat = app.Path() + u"\\x.dat"_s;
        CWebPage page;
        page.SetTitle(text);
        page.Links().Add(Link(u"before"_s));
        page.Links().Item(1)->SetMainPicture(text);
        page.Links().Item(1)->SetMainLink(u"after"_s);
        page.SaveSettings(dat);
        const QList<QByteArray> lines = app.ReadFile(u"x.dat"_s).split('\n');
        EXPECT_EQ(lines.at(1) + lines.at(31), stored + '\r' + stored + '\r');
        page.LoadSettings(dat);
        const CWebPage& link = *page.Links().Item(1);
        const QString back = readBack.isEmpty() ? text : readBack;
        EXPECT_EQ(
            u"%1|%2|%3|%4"_s.arg(page.Title(), link.Name(), link.MainPicture(), link.MainLink()),
            back + u"|before|"_s + back + u"|after"_s);
    }
}

// Reading starts on a page titled "Before" with one link; a fault leaves what was read so far.
TEST(SettingsFile, ReadsEveryFormItAcceptsAndReportsEveryFault)
{
    const QByteArray three = Golden(u"three.dat"_s);
    const QByteArray mixed = // LF, then CR LF, then CR
        three.left(90).replace("\r\n", "\n") + three.mid(90, 90) +
        three.mid(180).replace("\r\n", "\r");
    const QString before = u"Before|-1|;"_s, read = u"Trail Page|16777215|"_s, kept = read + u';';
    const QString all = read + u"Zoo;;Drawing;"_s, one = read + u"Zoo;"_s;
    const auto title = [](int length) { return '"' + QByteArray(length, 't') + '"'; };
    const auto titled = [](int n) { return QString(n, u't') + u"|16777215|Zoo;;Drawing;"_s; };
    constexpr qint32 eof = Error::InputPastEndOfFile, overflow = Error::Overflow,
                     mismatch = Error::TypeMismatch;
    const struct {
        QByteArray file;       // written to home/x.dat
        qint32 error;          // 0 for none
        QString says, summary; // said of the fault; the title, Backcolor and captions after
        QString path = u"home\\x.dat"_s; // read, below the application folder
    } cases[] = {
        {mixed, 0, {}, all},
        // the title's line end at the reader's block boundary of 16384 bytes, CR LF and CR alone
        {WithLine(three, 2, title(16384 - 23)), 0, {}, titled(16384 - 23)},
        {WithLine(three, 2, title(16384 - 22)).replace("\r\n", "\r"), 0, {}, titled(16384 - 22)},
        {WithLine(three, 5, "\"  -7\""), 0, {}, u"Trail Page|-7|Zoo;;Drawing;"_s},
        // only blanks are skipped, and only a minus sign is taken
        {WithLine(three, 5, "\"\t7\""), 0, {}, u"Trail Page|0|Zoo;;Drawing;"_s},
        {WithLine(three, 5, "\"+7\""), 0, {}, u"Trail Page|0|Zoo;;Drawing;"_s},
        {WithLine(three, 2, "bare words"), 0, {}, u"bare words|16777215|Zoo;;Drawing;"_s},
        // a value left open is read to its line's end, unless the file ends there
        {WithLine(three, 2, "\"open"), 0, {}, u"open|16777215|Zoo;;Drawing;"_s},
        {three + "\r\n\r\n", 0, {}, all},
        {{}, Error::FileNotFound, u"does not exist"_s, before, u"home\\none.dat"_s},
        {{}, Error::PathNotFound, u"folder"_s, before, u"nowhere\\x.dat"_s},
        {{}, Error::PathFileAccessError, u"is a folder"_s, before, u"home"_s},
        {{}, Error::PathFileAccessError, u"is a link that leads to no file"_s, before, u"loop"_s},
        {{}, Error::PathFileAccessError, u"it is a device, not a file"_s, before, u"device"_s},
        {"", eof, u"is empty"_s, before},
        {WithLine(three, 1, "\"qzbrowse_cfg_001\""), mismatch, u"not a home page"_s, before},
        {WithLine(three, 1, "\"QZBROWSE_CFG_0010\""), mismatch, u"first line"_s, before},
        {WithLine(three, 1, "\"QZBROWSE_CFG_00\""), mismatch, u"first line"_s, before},
        {WithLine(three, 1, "\" QZBROWSE_CFG_001\""), mismatch, u"first line"_s, before},
        {FirstLines(three, 1), eof, u"before line 2 (the page title)"_s, before},
        {WithLine(three, 6, "\"2147483648\""), overflow, u"line 6 (the text colour)"_s, kept},
        {WithLine(three, 30, "\" 32767\""), overflow, u"line 30 (the number of links)"_s, kept},
        {WithLine(three, 30, "\"-32769\""), overflow, u"line 30 (the number of links)"_s, kept},
        {FirstLines(three, 38), eof, u"line 39 (the address of link 3)"_s, one + u';'},
        // cut in the middle of a value: that value is not read
        {FirstLines(three, 30) + "\"Zoo \xe9", eof, u"31 (the caption of link 1) is cut"_s, read},
        {FirstLines(three, 1) + "\"Trail \"\"Page\r\n", eof, u"2 (the page title) is cut"_s,
         before},
        // lines after the links counted are passed over, and noted for the caller
        {WithLine(three, 30, "\" 0\""), 0, u"30 (the number of links) gives no links"_s, read},
        {WithLine(three, 30, "\"-2\""), 0, u"no links, but more lines follow from line 31"_s, read},
        {WithLine(three, 30, "\"1e3\""), 0, u"1 link, but more lines follow from line 34"_s, one},
        {three + "\"\"\r\n", 0, u"gives 3 links, but more lines follow from line 40"_s, all},
    };
    alarm(60);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary.toStdString() + ' ' + c.says.toStdString());
        TempAppFolder app;
        app.WriteFile(u"home/x.dat"_s, c.file);
        QFile::link(u"loop"_s, app.NativeFile(u"loop"_s));
        QFile::link(u"/dev/zero"_s, app.NativeFile(u"device"_s)); // read only under the alarm
        CWebPage page;
        page.SetTitle(u"Before"_s);
        page.Links().Add(std::make_shared<CWebPage>());
        const QString path = app.Path() + u'\\' + c.path;
        std::optional<Error> unread;
        const Error error = ErrorOf([&] { page.LoadSettings(path, &unread); });
        EXPECT_EQ(error.Number(), c.error);
        const Error told = c.error ? error : unread.value_or(Error(0, {}));
        EXPECT_EQ(told.Description().isEmpty(), c.says.isEmpty()) << told.what();
        for (const QString& part : {u'"' + DisplayPath(path) + u'"', c.says})
            EXPECT_TRUE(c.says.isEmpty() || told.Description().contains(part)) << told.what();
        EXPECT_EQ(u"%1|%2|"_s.arg(page.Title()).arg(page.Backcolor()) + Captions(page.Links()),
                  c.summary);
    }
    alarm(0);
}

// No file may pass 100 bytes while written: a full disk, as near as tests get, even for root.
TEST(PageFiles, AWriteThatFailsNamesTheFileAndLeavesThePreviousOneWhole)
{
    std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{100, old.rlim_max};
    CWebPage page;
    for (int link = 0; link < 100; ++link)
        page.Links().Add(std::make_shared<CWebPage>());
    for (const bool settings : {true, false}) {
        SCOPED_TRACE(settings ? "settings" : "page");
        TempAppFolder app;
        app.WriteFile(u"home/old.txt"_s, "the old file");
        const QString path = app.Path() + u"\\home\\old.txt"_s;
        const Error error = ErrorOf([&] {
            setrlimit(RLIMIT_FSIZE, &small);
            settings ? page.SaveSettings(path) : page.GeneratePage(path);
        });
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_EQ(error.Number(), Error::PathFileAccessError);
        EXPECT_TRUE(error.Description().contains(u'"' + DisplayPath(path) + u'"'));
        EXPECT_EQ(app.ReadFile(u"home/old.txt"_s), "the old file");
        EXPECT_EQ(QDir(app.NativeFile(u"home"_s)).count(), 3) << "a file was left behind";
    }
}

} // namespace
