#include "QStringPrinter.h"
#include "TempAppFolder.h"
#include "basProcs.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// Pictures at three depths, a name that differs only in case, and hidden entries that match.
class ScanFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString& file :
             {u"a.gif"_s, u"B.GIF"_s, u"c.jpg"_s, u"d.txt"_s, u".e.gif"_s, u"s1/f.gif"_s,
              u"s1/t/g.gif"_s, u"s2/h.bmp"_s, u"s1/.hidden/i.gif"_s})
            m_folder.WriteFile(file);
    }

    QStringList Scan(const QString& sPatternList, bool bFolders = false,
                     const QString& sFolderPattern = QString()) const
    {
        QStringList results;
        basProcs::ScanFolder(results, m_folder.Path(), bFolders, sFolderPattern, sPatternList);
        return results;
    }

    // The full paths of entries given relative with "/", as a scan gives them.
    QStringList PathsOf(QStringList relatives) const
    {
        for (QString& path : relatives)
            path = m_folder.Path() + u'\\' + path.replace(u'/', u'\\');
        return relatives;
    }

    static QStringList Sorted(QStringList paths)
    {
        paths.sort();
        return paths;
    }

    TempAppFolder m_folder;
};

TEST_F(ScanFolder, PatternLists)
{
    const struct {
        QString patterns;
        QStringList found;
    } cases[] = {
        {u"*.gif,*.jpg,*.bmp"_s,
         {u"a.gif"_s, u"c.jpg"_s, u"s1/f.gif"_s, u"s1/t/g.gif"_s, u"s2/h.bmp"_s}},
        {QString(),
         {u"B.GIF"_s, u"a.gif"_s, u"c.jpg"_s, u"d.txt"_s, u"s1/f.gif"_s, u"s1/t/g.gif"_s,
          u"s2/h.bmp"_s}},
        {u"*.GIF"_s, {u"B.GIF"_s}},
        {u"*.gif,"_s, {u"a.gif"_s, u"s1/f.gif"_s, u"s1/t/g.gif"_s}},
        {u"*.bmp,,*.jpg"_s, {u"c.jpg"_s, u"s2/h.bmp"_s}},
        {u",,"_s, {}},
        {u"s1"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patterns.toStdString());
        EXPECT_EQ(Sorted(Scan(c.patterns)), PathsOf(c.found));
    }
}

TEST_F(ScanFolder, OwnEntriesComeBeforeSubfoldersDepthFirst)
{
    const QStringList results = Scan(u"*.gif,*.jpg,*.bmp"_s);
    ASSERT_EQ(results.size(), 5);
    EXPECT_EQ(Sorted(results.mid(0, 2)), PathsOf({u"a.gif"_s, u"c.jpg"_s}));
    // The subfolders come in the order listed, each complete before the next.
    const QStringList s1 = PathsOf({u"s1/f.gif"_s, u"s1/t/g.gif"_s});
    const QStringList s2 = PathsOf({u"s2/h.bmp"_s});
    EXPECT_TRUE(results.mid(2) == s1 + s2 || results.mid(2) == s2 + s1);
}

TEST_F(ScanFolder, FolderModeListsFoldersBeforeTheirSubfolders)
{
    const QStringList folders = Scan(u"*.gif"_s, true);
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(Sorted(folders.mid(0, 2)), PathsOf({u"s1"_s, u"s2"_s}));
    EXPECT_EQ(folders.at(2), PathsOf({u"s1/t"_s}).first());
    EXPECT_EQ(Sorted(Scan(QString(), true, u"*.gif"_s)),
              PathsOf({u"a.gif"_s, u"s1"_s, u"s1/f.gif"_s, u"s1/t"_s, u"s1/t/g.gif"_s, u"s2"_s}));
}

TEST_F(ScanFolder, FolderArgumentWithAndWithoutBackslash)
{
    QStringList results{u"earlier"_s};
    basProcs::ScanFolder(results, m_folder.Path() + u"\\s2\\"_s, false, QString(), QString());
    basProcs::ScanFolder(results, m_folder.Path() + u"\\s2"_s, false, QString(), QString());
    basProcs::ScanFolder(results, m_folder.Path() + u"\\none"_s, true, u"*"_s, QString());
    EXPECT_EQ(results, QStringList{u"earlier"_s} + PathsOf({u"s2/h.bmp"_s, u"s2/h.bmp"_s}));
}

#ifdef Q_OS_UNIX
TEST_F(ScanFolder, LinkBackUpTheTreeIsNotFollowedForever)
{
    ASSERT_TRUE(QFile::link(m_folder.Native(), m_folder.NativeFile(u"s1/t/up"_s)));
    EXPECT_EQ(Sorted(Scan(u"*.gif"_s)), PathsOf({u"a.gif"_s, u"s1/f.gif"_s, u"s1/t/g.gif"_s}));
}
#endif

} // namespace
