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

// Lists as text: the number of items, then the items, so that no item and one empty one differ.
QString Items(const QStringList& items)
{
    return QString::number(items.size()) + u':' + items.join(u'|');
}

TEST(PathText, TakesPathsApartAndPutsThemTogether)
{
    // Each path with a backslash added and removed, then its folder, folder with backslash, file
    // name, extension, root and root with backslash.
    const std::pair<QString, QString> cases[] = {
        {uR"(C:\dir\file.txt)"_s,
         uR"(C:\dir\file.txt\|C:\dir\file.txt|C:\dir|C:\dir\|file.txt|txt|C:|C:\)"_s},
        {uR"( C:\file. )"_s, uR"(C:\file.\| C:\file. |C:\|C:\|file.||C:|C:\)"_s},
        {uR"(C:\)"_s, uR"(C:\|C:\|C:\|C:\|C:\|C:\|C:\|C:\)"_s},
        {uR"(\\srv\share\a.gif)"_s,
         uR"(\\srv\share\a.gif\|\\srv\share\a.gif|\\srv\share|\\srv\share\|a.gif|gif|\\srv|\\srv\)"_s},
        {uR"(C:\dir\README)"_s, uR"(C:\dir\README\|C:\dir\README|C:\dir|C:\dir\|README||C:|C:\)"_s},
    };
    for (const auto& [path, parts] : cases) {
        const QStringList got = {AddBackslash(path),
                                 RemoveBackslash(path),
                                 GetPathPart(path, PartFolder),
                                 GetPathPart(path, PartFolder, false),
                                 GetPathPart(path, PartFileName),
                                 GetPathPart(path, PartExtension),
                                 GetPathPart(path, PartRoot),
                                 GetPathPart(path, PartRoot, false)};
        EXPECT_EQ(got.join(u'|'), parts) << path.toStdString();
    }
    EXPECT_EQ(TrimAtNull(u"C:\\tmp"_s + QChar(0) + u"   "_s), u"C:\\tmp"_s);
    EXPECT_EQ(TrimAtNull(u"no nul "_s), u"no nul "_s);
    const std::tuple<QString, QString, QString, QString> splits[] = {
        // the text, the delimiter, the items without and with a trailing empty one
        {u"a,b,c"_s, u","_s, u"3:a|b|c"_s, u"3:a|b|c"_s},
        {u"a,,b,"_s, u","_s, u"3:a||b"_s, u"4:a||b|"_s},
        {QString(), u","_s, u"0:"_s, u"1:"_s},
        {u"A,a--"_s, u"--"_s, u"1:A,a"_s, u"2:A,a|"_s},
    };
    for (const auto& [text, delimiter, ignoring, keeping] : splits) {
        EXPECT_EQ(Items(SplitToArray(text, delimiter, true)), ignoring) << text.toStdString();
        EXPECT_EQ(Items(SplitToArray(text, delimiter, false)), keeping) << text.toStdString();
    }
}

TEST(DiskChecks, TellWhatExistsAndMakeTempFilesAndFindSpecialFolders)
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
    for (const auto& [path, bPathExists, bFolderExists, bWritable] : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(PathExists(path), bPathExists);
        EXPECT_EQ(FolderExists(path), bFolderExists);
        EXPECT_EQ(IsFolderWritable(path), bWritable);
    }
    EXPECT_TRUE(QDir(app.NativeFile(u"dir"_s)).isEmpty()) << "a test file was left behind";
    EXPECT_EQ(GetTempFile(u"tst"_s, in + u"missing"_s), QString());
    const QString first = GetTempFile(u"prefix"_s, app.Path()), second = GetTempFile(u"pre"_s, in);
    EXPECT_NE(first, second);
    for (const QString& path : {first, second}) {
        const QFileInfo file(NativePath(path));
        EXPECT_EQ(path, app.Path() + u'\\' + file.fileName());
        EXPECT_TRUE(file.isFile() && file.size() == 0);
        EXPECT_TRUE(
            QRegularExpression(u"^pre[0-9A-F]{1,4}\\.tmp$"_s).match(file.fileName()).hasMatch());
    }
    EXPECT_FALSE(GetSpecialFolder(0, 0).isEmpty()); // the desktop
    EXPECT_FALSE(GetSpecialFolder(0, 0).contains(u'/'));
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
        // A folder's own entries come first, then each subfolder whole.
        QStringList tops;
        for (QString& path : found) {
            path = path.mid(app.Path().size() + 1).replace(u'\\', u'/');
            const QString top = path.contains(u'/') ? path.section(u'/', 0, 0) : QString();
            if (tops.isEmpty() || tops.last() != top)
                tops << top;
        }
        EXPECT_LE(tops.indexOf(QString()), 0) << Items(found).toStdString();
        EXPECT_EQ(tops.removeDuplicates(), 0) << Items(found).toStdString();
        found.sort();
        EXPECT_EQ(found.join(u' '), expected) << patterns.toStdString();
    }
}

} // namespace
