#include "NativePath.h"
#include "QStringPrinter.h"
#include "TempAppFolder.h"
#include "basProcs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

class DiskChecks : public ::testing::Test
{
protected:
    // The "\"-separated path of an entry below the temporary folder.
    QString PathOf(const QString& relative) const { return m_folder.Path() + u'\\' + relative; }

    TempAppFolder m_folder;
};

TEST_F(DiskChecks, PathAndFolderExist)
{
    m_folder.WriteFile(u"file.txt"_s);
    m_folder.MakeFolder(u"dir"_s);
    const struct {
        QString path;
        bool bPathExists, bFolderExists;
    } cases[] = {
        {PathOf(u"dir"_s), true, true},
        {PathOf(u"dir\\"_s), true, true},
        {PathOf(u" dir\\ "_s), false, false},
        {u" "_s + PathOf(u"dir\\ "_s), false, true},
        {PathOf(u"file.txt"_s), true, true},
        {PathOf(u"missing"_s), false, false},
        {PathOf(u"missing\\"_s), false, false},
        {QString(), false, false},
        {u"\\"_s, false, IsFolderWritable(u"\\"_s)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(PathExists(c.path), c.bPathExists);
        EXPECT_EQ(FolderExists(c.path), c.bFolderExists);
    }
}

TEST_F(DiskChecks, GetTempFileCreatesNewEmptyFiles)
{
    const QString first = GetTempFile(u"prefix"_s, m_folder.Path());
    const QString second = GetTempFile(u"prefix"_s, m_folder.Path() + u'\\');
    const QString system = GetTempFile(u"qz"_s);
    EXPECT_NE(first, second);
    EXPECT_EQ(GetPathPart(system, PartFolder), RemoveBackslash(BackslashPath(QDir::tempPath())));
    for (const QString& path : {first, second, system}) {
        SCOPED_TRACE(path.toStdString());
        const QRegularExpression name(u"^(pre|qz)[0-9A-F]{1,4}\\.tmp$"_s);
        EXPECT_TRUE(name.match(GetPathPart(path, PartFileName)).hasMatch());
        EXPECT_EQ(QFile(NativePath(path)).size(), 0);
    }
    EXPECT_EQ(GetPathPart(first, PartFolder), m_folder.Path());
    EXPECT_TRUE(QFile::remove(NativePath(system)));
}

TEST_F(DiskChecks, IsFolderWritable)
{
    m_folder.WriteFile(u"file.txt"_s);
    EXPECT_TRUE(IsFolderWritable(m_folder.Path()));
    EXPECT_EQ(QDir(m_folder.Native()).entryList(QDir::Files), QStringList{u"file.txt"_s});
    for (const QString& folder : {PathOf(u"missing"_s), PathOf(u"file.txt"_s), QString()}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_EQ(GetTempFile(u"tst"_s, folder), QString());
        EXPECT_FALSE(IsFolderWritable(folder));
    }
}

TEST_F(DiskChecks, ReadOnlyFolderIsNotWritable)
{
    m_folder.MakeFolder(u"locked"_s);
    const QString locked = m_folder.NativeFile(u"locked"_s);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(QDir(locked).filePath(u"probe"_s));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        GTEST_SKIP() << "this user (root, say) writes into read-only folders: nothing to prove";
    }
    EXPECT_FALSE(IsFolderWritable(PathOf(u"locked"_s)));
    EXPECT_TRUE(FolderExists(PathOf(u"locked"_s)));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SpecialFolder, DesktopIsKnownAndOtherIdsAreNot)
{
    EXPECT_FALSE(GetSpecialFolder(0, 0).isEmpty());
    EXPECT_FALSE(GetSpecialFolder(0, 0).contains(u'/'));
    EXPECT_EQ(GetSpecialFolder(-1, 0), QString());
}

} // namespace
