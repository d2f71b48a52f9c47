#include "support/SharedInstall.h"

#include "common/OrdinaryUser.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/Error.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// Every file and folder below a native path, with the bytes of each file.
QStringList Tree(const QString& sNative)
{
    QStringList tree;
    QDirIterator it(sNative, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        tree << QDir(sNative).relativeFilePath(entry.filePath()) + u' ' +
                    QString::fromLatin1(ReadFile(entry.filePath()));
    }
    tree.sort();
    return tree;
}

// A prefix holding the starting files, and the user's data folder beside it.
class SharedInstallTest : public ::testing::Test
{
protected:
    SharedInstallTest()
    {
        for (const QString& file :
             {u"home/qzhome.dat"_s, u"home/pics/cat.gif"_s, u"QzDesk Parents Keys.txt"_s})
            prefix.WriteFile(u"share/qzbrowser-editor/"_s + file, file.toLatin1());
        prefix.MakeFolder(u"share/qzbrowser-editor/programs"_s);
        prefix.MakeFolder(u"bin"_s);
        prefix.MakeFolder(u"lib"_s);
    }

    void LayOut() const { SharedInstall::LayOut(StartingFiles(), BackslashPath(user)); }
    QString StartingFiles() const { return prefix.Path() + uR"(\share\qzbrowser-editor)"_s; }

    TempAppFolder prefix;
    const QString user = prefix.NativeFile(u"data/qzbrowser-editor"_s);
};

// Only a program in bin/ beside share/qzbrowser-editor is installed for every user.
TEST_F(SharedInstallTest, FindsTheStartingFilesOfAProgramInBinOnly)
{
    EXPECT_EQ(SharedInstall::StartingFiles(prefix.Path() + uR"(\bin)"_s), StartingFiles());
    EXPECT_EQ(SharedInstall::StartingFiles(prefix.Path() + uR"(\lib)"_s), QString());
    QDir(prefix.NativeFile(u"share"_s)).removeRecursively();
    EXPECT_EQ(SharedInstall::StartingFiles(prefix.Path() + uR"(\bin)"_s), QString());
}

// Laid out once, whole; the user's own page is never replaced.
TEST_F(SharedInstallTest, CopiesTheStartingFilesOnce)
{
    LayOut();
    EXPECT_EQ(Tree(user), Tree(prefix.NativeFile(u"share/qzbrowser-editor"_s)));
    prefix.WriteFile(u"data/qzbrowser-editor/home/qzhome.dat"_s, "mine");
    LayOut();
    EXPECT_EQ(ReadFile(user + u"/home/qzhome.dat"_s), "mine");
    EXPECT_EQ(QDir(prefix.NativeFile(u"data"_s)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{u"qzbrowser-editor"_s});
}

// A data folder the user may not write to, or a starting file the user may not read: a clear
// error, and nothing left behind to be taken for a whole folder next time.
TEST_F(SharedInstallTest, FailsWithoutLeavingAPartCopy)
{
    if (RanAsOrdinaryUser())
        return;
    const QString data = prefix.NativeFile(u"data"_s);
    const QString keys = prefix.NativeFile(u"share/qzbrowser-editor/QzDesk Parents Keys.txt"_s);
    const std::pair<QString, QFileDevice::Permissions> cases[] = {
        {data, QFile::ReadOwner | QFile::ExeOwner}, {keys, {}}};
    for (const auto& [path, permissions] : cases) {
        QDir().mkpath(data);
        QFile::setPermissions(path, permissions);
        try {
            LayOut();
            ADD_FAILURE() << "laid out with " << qPrintable(path);
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), Error::PathFileAccessError);
            EXPECT_TRUE(error.Description().contains(user)) << qPrintable(error.Description());
        }
        EXPECT_EQ(QDir(data).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

} // namespace
