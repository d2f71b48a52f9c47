#include "common/OrdinaryUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

bool RanAsOrdinaryUser()
{
    if (geteuid() != 0)
        return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // A copy of the program open to all, as nobody may not reach the checkout in root's home.
    QTemporaryDir folder;
    const QString program = folder.filePath(u"ordinary-user-test"_s);
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    EXPECT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), program) &&
                QFile::setPermissions(folder.path(), open) && QFile::setPermissions(program, open));
    const int status = QProcess::execute(
        u"setpriv"_s,
        {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s, u"env"_s, u"-u"_s,
         u"XDG_RUNTIME_DIR"_s, u"HOME="_s + QDir::tempPath(), program,
         u"--gtest_filter=%1.%2"_s.arg(QLatin1StringView(test->test_suite_name()),
                                       QLatin1StringView(test->name()))});
    EXPECT_EQ(status, 0) << "the test failed as an ordinary user";
    return true;
}
