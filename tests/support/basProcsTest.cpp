#include "support/basProcs.h"

#include "common/OrdinaryUser.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/DamagedFile.h"
#include "support/Error.h"
#include "support/FileStamp.h"
#include "support/SettingsHistory.h"
#include "support/TextFileWriter.h"
#include "support/Wildcard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

TEST(PathText, TakesPathsApartAndPutsThemTogether)
{
    // Each path with "\" added and removed, name, extension, folder and root without and with "\".
    const std::pair<QString, QString> cases[] = {
        {uR"(C:\dir\file.txt)"_s,
         uR"(C:\dir\file.txt\|C:\dir\file.txt|file.txt|txt|C:\dir|C:\dir\|C:|C:\)"_s},
        {uR"( C:\file. )"_s, uR"(C:\file.\| C:\file. |file.||C:\|C:\|C:|C:\)"_s},
        {uR"(C:\)"_s, uR"(C:\|C:\|C:\|C:\|C:\|C:\|C:\|C:\)"_s},
        {uR"(\\srv\share\a.gif)"_s,
         uR"(\\srv\share\a.gif\|\\srv\share\a.gif|a.gif|gif|\\srv\share|\\srv\share\|\\srv|\\srv\)"_s},
        {uR"(C:\dir\README)"_s, uR"(C:\dir\README\|C:\dir\README|README||C:\dir|C:\dir\|C:|C:\)"_s},
    };
    for (const auto& [path, parts] : cases) {
        QStringList got = {AddBackslash(path), RemoveBackslash(path),
                           GetPathPart(path, PartFileName), GetPathPart(path, PartExtension)};
        for (const int part : {PartFolder, PartRoot})
            got << GetPathPart(path, part) << GetPathPart(path, part, false);
        EXPECT_EQ(got.join(u'|'), parts) << path.toStdString();
    }
    EXPECT_EQ(TrimAtNull(u"C:\\tmp"_s + QChar(0) + u"   "_s) + TrimAtNull(u" no nul "_s),
              u"C:\\tmp no nul "_s);
    const std::tuple<QString, QString, QString, QString> splits[] = {
        // the text, the delimiter, the items without and with a trailing empty one, counted
        {u"a,b,c"_s, u","_s, u"3:a|b|c"_s, u"3:a|b|c"_s},
        {u"a,,b,"_s, u","_s, u"3:a||b"_s, u"4:a||b|"_s},
        {QString(), u","_s, u"0:"_s, u"1:"_s},
        {u"A,a--"_s, u"--"_s, u"1:A,a"_s, u"2:A,a|"_s},
    };
    for (const auto& [text, delimiter, ignoring, keeping] : splits)
        for (const bool bIgnore : {true, false})
            EXPECT_EQ(u"%1:"_s.arg(SplitToArray(text, delimiter, bIgnore).size()) +
                          SplitToArray(text, delimiter, bIgnore).join(u'|'),
                      bIgnore ? ignoring : keeping);
}

TEST(DiskChecks, TellWhatExistsAndFindSpecialFolders)
{
    TempAppFolder app;
    app.WriteFile(u"file.txt"_s);
    app.MakeFolder(u"dir"_s);
    const QString in = app.Path() + u'\\';
    const bool rootWritable = IsFolderWritable(u"\\"_s);
    const std::tuple<QString, bool, bool, bool> cases[] = {
        // the path, whether PathExists, FolderExists and IsFolderWritable say yes
        {in + u"dir\\"_s, true, true, true},
        {in + u" dir\\ "_s, false, false, false},
        {u" "_s + in + u"dir\\ "_s, false, true, false},
        {in + u"file.txt"_s, true, true, false},
        {in + u"missing\\"_s, false, false, false},
        {QString(), false, false, false},
        {u"\\"_s, false, rootWritable, rootWritable},
    };
    for (const auto& [path, bPathExists, bFolderExists, bWritable] : cases)
        EXPECT_EQ(std::tuple(PathExists(path), FolderExists(path), IsFolderWritable(path)),
                  std::tuple(bPathExists, bFolderExists, bWritable))
            << path.toStdString();
    EXPECT_TRUE(QDir(app.NativeFile(u"dir"_s)).isEmpty()) << "a test file was left behind";
    EXPECT_FALSE(GetSpecialFolder(0, 0).isEmpty() || GetSpecialFolder(0, 0).contains(u'/'));
    EXPECT_EQ(GetSpecialFolder(-1, 0), QString());
}

TEST(Wildcard, Matches)
{
    const std::tuple<QString, QStringList, QStringList> cases[] = {
        // the pattern, names it matches, names it does not
        {u"*.gif"_s, {u"cat.gif"_s, u".gif"_s}, {u"CAT.GIF"_s, u"a.gif.txt"_s}},
        {u"*"_s, {QString(), u"any name"_s}, {}},
        {u"a*b*c"_s, {u"aXbYc"_s, u"abc"_s}, {u"aXbYcZ"_s}},
        {u"?at"_s, {u"cat"_s}, {u"at"_s, u"chat"_s}},
        {u"#"_s, u"0 1 2 3 4 5 6 7 8 9"_s.split(u' '), {u"/"_s, u":"_s, u"X"_s, u"12"_s, {}}},
        {u"[!bc]at"_s, {u"rat"_s, u"Bat"_s}, {u"bat"_s, u"at"_s}},
        {u"[a-c]x"_s, {u"ax"_s, u"cx"_s}, {u"dx"_s, u"Bx"_s}},
        {u"[a-][*?#]"_s, {u"-*"_s, u"a#"_s}, {u"b*"_s, u"ax"_s}},
        {u"[abc"_s, {}, {u"a"_s, u"[abc"_s}},
    };
    for (const auto& [pattern, matching, others] : cases)
        for (const QString& name : matching + others)
            EXPECT_EQ(Wildcard(pattern).Matches(name), matching.contains(name))
                << name.toStdString();
}

// Three depths, a name in other case, hidden entries and a link back up the tree (not followed).
TEST(ScanFolder, FindsWhatMatches)
{
    TempAppFolder app;
    for (const QString& file : u"a.gif B.GIF c.jpg d.txt .e.gif s1/f.gif s1/t/g.gif s2/h.bmp "
                               u"s2/u/k.gif s1/.hidden/i.gif"_s.split(u' '))
        app.WriteFile(file);
    ASSERT_TRUE(QFile::link(app.NativeFile({}), app.NativeFile(u"s1/t/up"_s)));
    const std::tuple<QString, QString, QString> cases[] = {
        // the patterns for files; for folders and the files in folder mode; what is found
        {u"*.gif,*.jpg,*.bmp"_s, {}, u"a.gif c.jpg s1/f.gif s1/t/g.gif s2/h.bmp s2/u/k.gif"_s},
        {{}, {}, u"B.GIF a.gif c.jpg d.txt s1/f.gif s1/t/g.gif s2/h.bmp s2/u/k.gif"_s},
        {u"*.bmp,,*.jpg"_s, {}, u"c.jpg s2/h.bmp"_s},
        {u"*.bmp"_s, u"*.gif"_s, u"a.gif s1 s1/f.gif s1/t s1/t/g.gif s1/t/up s2 s2/u s2/u/k.gif"_s},
    };
    for (const auto& [patterns, folderPattern, expected] : cases) {
        QStringList found{u"earlier"_s}; // results are added to those already there
        ScanFolder(found, app.Path() + u'\\', !folderPattern.isEmpty(), folderPattern, patterns);
        ASSERT_EQ(found.takeFirst(), u"earlier"_s);
        for (QString& path : found)
            path = path.mid(app.Path().size() + 1).replace(u'\\', u'/');
        found.sort();
        EXPECT_EQ(found.join(u' '), expected) << patterns.toStdString();
    }
}

const QDateTime Moment(QDate(2024, 1, 31), QTime(18, 45, 2));

// A version is kept under the moment it was replaced, numbered after a busy second's; the 20 newest
// stay ("=": the same bytes, no copy), the new one even with the clock behind; else the reason why.
TEST(SettingsHistory, KeepsTheVersionJustReplacedOrSaysWhyNot)
{
    if (RanAsOrdinaryUser())
        return;
    QStringList nextDay{u"notes.txt"_s};
    for (int number = 1; number <= SettingsHistory::Kept; ++number)
        nextDay << u"qzhome-20240201-184502%1.dat"_s.arg(number > 1 ? u"-%1"_s.arg(number) : u""_s);
    // the history before ("@": a link to nowhere), what is made read-only, the copy's name or the
    // error (%1 the folder), the files in the history after (an unreadable file: frmMainTest)
    const std::tuple<QStringList, QString, QString, int> cases[] = {
        {{u"=qzhome-20240130-000000.dat"_s}, {}, u"qzhome-20240130-000000.dat"_s, 1},
        {nextDay, {}, u"qzhome-20240201-184502-21.dat"_s, SettingsHistory::Kept + 1},
        {{u"x.txt"_s, u"qzhome-20240131-184502.dat@"_s}, {}, u"qzhome-20240131-184502-2.dat"_s, 2},
        {{}, u"home"_s, u"You do not have permission to make the folder \"%1/home/history\"."_s, 0},
    };
    for (const auto& [history, locking, expected, count] : cases) {
        TempAppFolder app;
        app.WriteFile(u"home/qzhome.dat"_s, "new");
        for (const QString& name : history)
            name.endsWith(u'@')
                ? void(QFile::link(u"nowhere"_s,
                                   app.NativeFile(u"home/history/"_s + name.chopped(1))))
                : app.WriteFile(u"home/history/"_s + QString(name).remove(u'='),
                                name.startsWith(u'=') ? "new" : "old");
        const QString locked = app.NativeFile(locking);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        QString result;
        try {
            result = SettingsHistory::Keep(app.Path() + u"\\home\\qzhome.dat"_s, Moment);
            result = result.mid(result.lastIndexOf(u'\\') + 1);
            EXPECT_EQ(app.ReadFile(u"home/history/"_s + result), "new");
            EXPECT_EQ(QDir(app.NativeFile(u"home/history"_s)).entryList(QDir::Files).size(), count);
        } catch (const Error& error) {
            result = error.Description();
        }
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(result, QString(expected).replace(u"%1"_s, app.NativeFile({})));
    }
}

// A copy is readable by no one its file is not readable by, is never compared with a pipe (the
// alarm ends a hang), and goes into no folder that a link stands for.
TEST(SettingsHistory, KeepsCopiesPrivateInItsOwnFolderAndOpensNoPipe)
{
    TempAppFolder app;
    const QString file = app.Path() + u"\\home\\qzhome.dat"_s;
    app.WriteFile(u"home/qzhome.dat"_s);
    QFile::setPermissions(app.NativeFile(u"home/qzhome.dat"_s),
                          QFile::ReadOwner | QFile::WriteOwner);
    app.MakeFolder(u"home/history"_s);
    mkfifo(QFile::encodeName(app.NativeFile(u"home/history/pipe"_s)), 0600);
    QFile::link(u"pipe"_s, app.NativeFile(u"home/history/qzhome-20240130-000000.dat"_s));
    alarm(60);
    const QString copy = SettingsHistory::Keep(file, Moment);
    alarm(0);
    EXPECT_TRUE(copy.endsWith(u"qzhome-20240131-184502.dat"_s));
    EXPECT_FALSE(
        QFile::permissions(NativePath(copy)).testAnyFlags(QFile::ReadGroup | QFile::ReadOther));

    const QTemporaryDir elsewhere;
    QDir(app.NativeFile(u"home/history"_s)).removeRecursively();
    QFile::link(elsewhere.path(), app.NativeFile(u"home/history"_s));
    EXPECT_THROW(SettingsHistory::Keep(file, Moment), Error);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// A link where the file is written is replaced: what it leads to is neither written nor made.
TEST(TextFileWriter, ReplacesALinkAndNeverWritesWhereItLeads)
{
    TempAppFolder app;
    const QTemporaryDir elsewhere;
    QFile mine(elsewhere.filePath(u"mine.txt"_s));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4 && mine.flush());
    for (const QString& target : {u"mine.txt"_s, u"made.txt"_s}) {
        QFile::remove(app.NativeFile(u"page.html"_s));
        QFile::link(elsewhere.filePath(target), app.NativeFile(u"page.html"_s));
        TextFileWriter out(app.Path() + u"\\page.html"_s);
        out.WriteLine(u"new"_s);
        out.Commit();
        EXPECT_EQ(app.ReadFile(u"page.html"_s), "new\r\n");
    }
    EXPECT_EQ(ReadFile(mine.fileName()), "mine");
    EXPECT_FALSE(QFileInfo::exists(elsewhere.filePath(u"made.txt"_s)));
}

// A damaged file is kept beside itself under a free name, or the message says why not.
TEST(DamagedFile, IsKeptUnderAFreeName)
{
    TempAppFolder app;
    app.WriteFile(u"home/qzhome.dat"_s, "damaged");
    app.WriteFile(u"home/qzhome-damaged.dat"_s, "older");
    const Error fault(Error::TypeMismatch, u"The fault."_s);
    const QString said = DamagedFile::SetAside(app.Path() + u"\\home\\qzhome.dat"_s, fault) +
                         DamagedFile::SetAside(app.Path() + u"\\home\\gone.dat"_s, fault);
    const QString home = app.NativeFile(u"home"_s);
    EXPECT_TRUE(said.contains(u"read.\r\n\r\nThe fault.\r\n\r\nThe damaged file has been kept as "
                              u"\"%1/qzhome-damaged-2.dat\";"_s.arg(home)));
    EXPECT_TRUE(said.contains(u"could not be kept: \"%1/gone.dat\" could not be copied to "
                              u"\"%1/gone-damaged.dat\""_s.arg(home)));
    EXPECT_EQ(app.ReadFile(u"home/qzhome-damaged-2.dat"_s), "damaged");
}

// A stamp tells other bytes of the same size and time, a new time and a removed file apart. Only
// files are read: a device may never end (the alarm ends a hang); the editor's tests try a pipe.
TEST(FileStamp, ChangesWithTheFileAndOpensNothingElse)
{
    TempAppFolder app;
    const QString file = app.Path() + u"\\qzhome.dat"_s;
    const FileStamp missing = FileStamp::Of(file);
    QString changed;
    const std::pair<QByteArray, int> writes[] = {
        {"same", 0}, {"same", 0}, {"SAME", 0}, {"SAME", 1}};
    for (const auto& [bytes, iSeconds] : writes) {
        const FileStamp before = FileStamp::Of(file);
        app.WriteFile(u"qzhome.dat"_s, bytes);
        QFile handle(app.NativeFile(u"qzhome.dat"_s));
        ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
        handle.setFileTime(Moment.addSecs(iSeconds), QFileDevice::FileModificationTime);
        changed += FileStamp::Of(file) != before ? u'y' : u'n';
    }
    const FileStamp before = FileStamp::Of(file);
    QFile::remove(app.NativeFile(u"qzhome.dat"_s));
    EXPECT_EQ(changed + (FileStamp::Of(file) != before ? u'y' : u'n'), u"ynyyy"_s);
    EXPECT_TRUE(FileStamp::Of(file) == missing && missing == FileStamp());

    QFile::link(u"/dev/zero"_s, app.NativeFile(u"device"_s));
    alarm(60);
    EXPECT_TRUE(FileStamp::Of(app.Path() + u"\\device"_s) != missing);
    alarm(0);
}

} // namespace
