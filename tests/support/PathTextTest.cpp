#include "QStringPrinter.h"
#include "basProcs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

TEST(PathText, AddAndRemoveBackslash)
{
    const struct {
        QStringView path, added, removed;
    } cases[] = {
        {uR"(C:\Prog)", uR"(C:\Prog\)", uR"(C:\Prog)"},
        {uR"( C:\dir\ )", uR"(C:\dir\)", uR"(C:\dir)"},
        {uR"( C:\dir )", uR"(C:\dir\)", uR"( C:\dir )"},
        {uR"(C:\)", uR"(C:\)", uR"(C:\)"},
        {uR"(C:\a\)", uR"(C:\a\)", uR"(C:\a)"},
        {u"", uR"(\)", u""},
        {u"   ", uR"(\)", u"   "},
        {u"\tdir\\", u"\tdir\\", u"\tdir"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toString().toStdString());
        EXPECT_EQ(AddBackslash(c.path.toString()), c.added);
        EXPECT_EQ(RemoveBackslash(c.path.toString()), c.removed);
    }
}

TEST(PathText, TrimAtNull)
{
    EXPECT_EQ(TrimAtNull(u"C:\\tmp"_s + QChar(0) + u"   "_s), u"C:\\tmp"_s);
    EXPECT_EQ(TrimAtNull(u"no nul "_s), u"no nul "_s);
}

TEST(PathText, SplitToArray)
{
    const struct {
        QStringView text, delimiter;
        bool bIgnoreTrailing;
        QStringList items;
    } cases[] = {
        {u"a,b,c", u",", true, {u"a"_s, u"b"_s, u"c"_s}},
        {u"a,b,c", u",", false, {u"a"_s, u"b"_s, u"c"_s}},
        {u"a,b,", u",", true, {u"a"_s, u"b"_s}},
        {u"a,b,", u",", false, {u"a"_s, u"b"_s, QString()}},
        {u"a,,b", u",", true, {u"a"_s, QString(), u"b"_s}},
        {u"", u",", true, {}},
        {u"", u",", false, {QString()}},
        {u"A,a--", u"--", true, {u"A,a"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(SplitToArray(c.text.toString(), c.delimiter.toString(), c.bIgnoreTrailing),
                  c.items);
    }
}

TEST(PathText, GetPathPart)
{
    const struct {
        QStringView path, folder, folderKept, fileName, extension, root, rootKept;
    } cases[] = {
        {uR"(C:\dir\file.txt)", uR"(C:\dir)", uR"(C:\dir\)", u"file.txt", u"txt", u"C:", uR"(C:\)"},
        {uR"(C:\file.txt)", uR"(C:\)", uR"(C:\)", u"file.txt", u"txt", u"C:", uR"(C:\)"},
        {u"file.txt", u"", u"", u"file.txt", u"txt", u"file.txt", uR"(file.txt\)"},
        {uR"(\\srv\share\a.gif)", uR"(\\srv\share)", uR"(\\srv\share\)", u"a.gif", u"gif",
         uR"(\\srv)", uR"(\\srv\)"},
        {uR"(C:\dir\README)", uR"(C:\dir)", uR"(C:\dir\)", u"README", u"", u"C:", uR"(C:\)"},
        {uR"(C:\dir\)", uR"(C:\dir\)", uR"(C:\dir\)", uR"(C:\dir\)", uR"(C:\dir\)", uR"(C:\dir\)",
         uR"(C:\dir\)"},
        {uR"(C:\file.)", uR"(C:\)", uR"(C:\)", u"file.", u"", u"C:", uR"(C:\)"},
        {uR"(\foo.$$$)", uR"(\)", uR"(\)", u"foo.$$$", u"$$$", u"", uR"(\)"},
    };
    for (const auto& c : cases) {
        const QString path = c.path.toString();
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(GetPathPart(path, PartFolder), c.folder);
        EXPECT_EQ(GetPathPart(path, PartFolder, false), c.folderKept);
        EXPECT_EQ(GetPathPart(path, PartFileName), c.fileName);
        EXPECT_EQ(GetPathPart(path, PartExtension), c.extension);
        EXPECT_EQ(GetPathPart(path, PartRoot), c.root);
        EXPECT_EQ(GetPathPart(path, PartRoot, false), c.rootKept);
    }
}

} // namespace
