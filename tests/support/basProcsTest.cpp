#include "support/basProcs.h"

#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/NativePath.h"
#include "support/Wildcard.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

TEST(PathText, AddAndRemoveBackslashAndTrimAtNull)
{
    const std::tuple<QStringView, QStringView, QStringView> cases[] = {
        // the path, with a backslash added, with it removed
        {uR"(C:\Prog)", uR"(C:\Prog\)", uR"(C:\Prog)"},
        {uR"( C:\dir\ )", uR"(C:\dir\)", uR"(C:\dir)"},
        {uR"( C:\dir )", uR"(C:\dir\)", uR"( C:\dir )"},
        {uR"(C:\)", uR"(C:\)", uR"(C:\)"},
        {u"", uR"(\)", u""},
        {u"   ", uR"(\)", u"   "},
        {u"\tdir\\", u"\tdir\\", u"\tdir"},
    };
    for (const auto& [path, added, removed] : cases) {
        SCOPED_TRACE(path.toString().toStdString());
        EXPECT_EQ(AddBackslash(path.toString()), added);
        EXPECT_EQ(RemoveBackslash(path.toString()), removed);
    }
    EXPECT_EQ(TrimAtNull(u"C:\\tmp"_s + QChar(0) + u"   "_s), u"C:\\tmp"_s);
    EXPECT_EQ(TrimAtNull(u"no nul "_s), u"no nul "_s);
}

TEST(PathText, SplitToArray)
{
    const std::tuple<QString, QString, QStringList, QStringList> cases[] = {
        // the text, the delimiter, the items without and with a trailing empty one
        {u"a,b,c"_s, u","_s, {u"a"_s, u"b"_s, u"c"_s}, {u"a"_s, u"b"_s, u"c"_s}},
        {u"a,b,"_s, u","_s, {u"a"_s, u"b"_s}, {u"a"_s, u"b"_s, QString()}},
        {u"a,,b"_s, u","_s, {u"a"_s, QString(), u"b"_s}, {u"a"_s, QString(), u"b"_s}},
        {QString(), u","_s, {}, {QString()}},
        {u"A,a--"_s, u"--"_s, {u"A,a"_s}, {u"A,a"_s, QString()}},
    };
    for (const auto& [text, delimiter, ignoring, keeping] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(SplitToArray(text, delimiter, true), ignoring);
        EXPECT_EQ(SplitToArray(text, delimiter, false), keeping);
    }
}

// Each path's folder, folder with backslash, file name, extension, root, root with backslash.
TEST(PathText, GetPathPart)
{
    const std::pair<QStringView, QStringView> cases[] = {
        {uR"(C:\dir\file.txt)", uR"(C:\dir|C:\dir\|file.txt|txt|C:|C:\)"},
        {uR"(C:\file.txt)", uR"(C:\|C:\|file.txt|txt|C:|C:\)"},
        {u"file.txt", uR"(||file.txt|txt|file.txt|file.txt\)"},
        {uR"(\\srv\share\a.gif)", uR"(\\srv\share|\\srv\share\|a.gif|gif|\\srv|\\srv\)"},
        {uR"(C:\dir\README)", uR"(C:\dir|C:\dir\|README||C:|C:\)"},
        {uR"(C:\dir\)", uR"(C:\dir\|C:\dir\|C:\dir\|C:\dir\|C:\dir\|C:\dir\)"},
        {uR"(C:\file.)", uR"(C:\|C:\|file.||C:|C:\)"},
        {uR"(\foo.$$$)", uR"(\|\|foo.$$$|$$$||\)"},
    };
    for (const auto& [view, parts] : cases) {
        const QString path = view.toString();
        const QStringList got = {
            GetPathPart(path, PartFolder),   GetPathPart(path, PartFolder, false),
            GetPathPart(path, PartFileName), GetPathPart(path, PartExtension),
            GetPathPart(path, PartRoot),     GetPathPart(path, PartRoot, false)};
        EXPECT_EQ(got.join(u'|'), parts) << path.toStdString();
    }
}

TEST(DiskChecks, TellWhatExistsAndMakeTempFilesAndFindSpecialFolders)
{
    TempAppFolder app;
    app.WriteFile(u"file.txt"_s);
    app.MakeFolder(u"dir"_s);
    const QString in = app.Path() + u'\\';
    const std::tuple<QString, bool, bool, bool> cases[] = {
        // the path, whether PathExists, FolderExists and IsFolderWritable say yes
        {in + u"dir"_s, true, true, true},
        {in + u"dir\\"_s, true, true, true},
        {in + u" dir\\ "_s, false, false, false},
        {u" "_s + in + u"dir\\ "_s, false, true, false},
        {in + u"file.txt"_s, true, true, false},
        {in + u"missing\\"_s, false, false, false},
        {QString(), false, false, false},
        {u"\\"_s, false, IsFolderWritable(u"\\"_s), IsFolderWritable(u"\\"_s)},
    };
    for (const auto& [path, bPathExists, bFolderExists, bWritable] : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(PathExists(path), bPathExists);
        EXPECT_EQ(FolderExists(path), bFolderExists);
        EXPECT_EQ(IsFolderWritable(path), bWritable);
    }
    EXPECT_EQ(QDir(app.NativeFile({})).entryList(QDir::Files), QStringList{u"file.txt"_s});
    EXPECT_EQ(GetTempFile(u"tst"_s, in + u"missing"_s), QString());
    const QString first = GetTempFile(u"prefix"_s, app.Path()), second = GetTempFile(u"pre"_s, in);
    EXPECT_NE(first, second);
    const QRegularExpression name(u"^pre[0-9A-F]{1,4}\\.tmp$"_s);
    for (const QString& path : {first, second}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(GetPathPart(path, PartFolder), app.Path());
        EXPECT_TRUE(name.match(GetPathPart(path, PartFileName)).hasMatch());
        const QFileInfo file(NativePath(path));
        EXPECT_TRUE(file.isFile() && file.size() == 0);
    }
    EXPECT_FALSE(GetSpecialFolder(0, 0).isEmpty()); // the desktop
    EXPECT_FALSE(GetSpecialFolder(0, 0).contains(u'/'));
    EXPECT_EQ(GetSpecialFolder(-1, 0), QString());
}

// The text with each of the characters in place of its "%1".
QStringList EachIn(const QString& text, QStringView characters)
{
    QStringList texts;
    for (const QChar c : characters)
        texts << text.arg(c);
    return texts;
}

TEST(Wildcard, Matches)
{
    const std::tuple<QString, QStringList, QStringList> cases[] = {
        // the pattern, names it matches, names it does not
        {u"*.gif"_s, {u"cat.gif"_s, u".gif"_s}, {u"CAT.GIF"_s, u"cat.Gif"_s, u"a.gif.txt"_s}},
        {u"*"_s, {QString(), u"any name"_s}, {}},
        {u"*.*"_s, {u"a.b"_s}, {u"README"_s}},
        {u"a*b*c"_s, {u"aXbYc"_s, u"abc"_s}, {u"aXbYcZ"_s}},
        {u"**ana"_s, {u"banana"_s}, {u"ban"_s}},
        {u"?at"_s, {u"cat"_s}, {u"at"_s, u"chat"_s}},
        {u"file#.jpg"_s, EachIn(u"file%1.jpg"_s, u"0123456789"),
         EachIn(u"file%1.jpg"_s, u"/:X") << u"file12.jpg"_s << u"file.jpg"_s},
        {u"[bc]at"_s, {u"bat"_s, u"cat"_s}, {u"rat"_s, u"Bat"_s}},
        {u"[!bc]at"_s, {u"rat"_s, u"Bat"_s}, {u"bat"_s, u"at"_s}},
        {u"[a-c]x"_s, {u"bx"_s}, {u"dx"_s, u"Bx"_s}},
        {u"[0-9A-F]#"_s, {u"B7"_s, u"07"_s}, {u"b7"_s, u"G7"_s}},
        {u"[a-]"_s, {u"-"_s, u"a"_s}, {u"b"_s}},
        {u"[*?#]"_s, {u"*"_s, u"#"_s}, {u"x"_s}},
        {u"[abc"_s, {}, {u"a"_s, u"[abc"_s}},
        {u"abc]"_s, {u"abc]"_s}, {u"abc"_s}},
        {QString(), {QString()}, {u"a"_s}},
    };
    for (const auto& [pattern, matching, others] : cases) {
        SCOPED_TRACE(pattern.toStdString());
        for (const QString& name : matching)
            EXPECT_TRUE(Wildcard(pattern).Matches(name)) << name.toStdString();
        for (const QString& name : others)
            EXPECT_FALSE(Wildcard(pattern).Matches(name)) << name.toStdString();
    }
}

// Pictures at three depths, a name that differs only in case, hidden entries that match, and a
// link back up the tree, which must not be followed forever.
TEST(ScanFolder, FindsWhatMatchesDepthFirst)
{
    TempAppFolder app;
    const QString files = u"a.gif B.GIF c.jpg d.txt .e.gif s1/f.gif s1/t/g.gif s2/h.bmp s2/u/k.gif "
                          u"s1/.hidden/i.gif"_s;
    for (const QString& file : files.split(u' '))
        app.WriteFile(file);
    ASSERT_TRUE(QFile::link(app.NativeFile({}), app.NativeFile(u"s1/t/up"_s)));
    // Full paths, as a scan gives them, of entries given relative with "/" and apart by blanks.
    const auto paths = [&app](const QString& sEntries) {
        QStringList paths = sEntries.split(u' ', Qt::SkipEmptyParts);
        for (QString& path : paths)
            path = app.Path() + u'\\' + path.replace(u'/', u'\\');
        return paths;
    };
    const std::tuple<QString, bool, QString, QString> cases[] = {
        // the patterns, whether folders are wanted, their pattern for files, what is found
        {u"*.gif,*.jpg,*.bmp"_s, false, QString(),
         u"a.gif c.jpg s1/f.gif s1/t/g.gif s2/h.bmp s2/u/k.gif"_s},
        {{}, false, {}, u"B.GIF a.gif c.jpg d.txt s1/f.gif s1/t/g.gif s2/h.bmp s2/u/k.gif"_s},
        {u"*.GIF"_s, false, {}, u"B.GIF"_s},
        {u"*.bmp,,*.jpg"_s, false, {}, u"c.jpg s2/h.bmp"_s},
        {u",,"_s, false, {}, {}},
        {u"s1"_s, false, {}, {}},
        {u"*.bmp"_s, true, u"*.gif"_s,
         u"a.gif s1 s1/f.gif s1/t s1/t/g.gif s1/t/up s2 s2/u s2/u/k.gif"_s},
    };
    for (const auto& [patterns, bFolders, folderPattern, expected] : cases) {
        QStringList found;
        basProcs::ScanFolder(found, app.Path(), bFolders, folderPattern, patterns);
        found.sort();
        EXPECT_EQ(found, paths(expected)) << patterns.toStdString();
    }

    // A folder's own entries come first, then each subfolder whole, in the order listed; results
    // are added to those already there.
    QStringList found{u"earlier"_s};
    basProcs::ScanFolder(found, app.Path() + u"\\none"_s, true, u"*"_s, QString());
    basProcs::ScanFolder(found, app.Path() + u'\\', false, QString(), u"*.gif,*.jpg,*.bmp"_s);
    ASSERT_EQ(found.size(), 7);
    EXPECT_EQ(found.first(), u"earlier"_s);
    QStringList own = found.mid(1, 2);
    own.sort();
    EXPECT_EQ(own, paths(u"a.gif c.jpg"_s));
    const QStringList s1 = paths(u"s1/f.gif s1/t/g.gif"_s), s2 = paths(u"s2/h.bmp s2/u/k.gif"_s);
    EXPECT_TRUE(found.mid(3) == s1 + s2 || found.mid(3) == s2 + s1)
        << found.join(u' ').toStdString();
}

} // namespace
