#include "CWebPage.h"
#include "Error.h"
#include "TempAppFolder.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace
{

// Lets the process write no file beyond 100 bytes while it lives: as close to a full disk as a
// test can come, and it stops even the superuser.
class FileSizeLimit
{
public:
    FileSizeLimit() : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit small{100, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_old{};
};

TEST(WriteFailure, LeavesThePreviousFileWhole)
{
    CWebPage page;
    for (int link = 0; link < 100; ++link)
        page.Links().Add(std::make_shared<CWebPage>());
    for (const bool settings : {true, false}) {
        TempAppFolder app;
        app.WriteFile(u"home/old.txt"_s, "the old file");
        const QString path = app.Path() + u"\\home\\old.txt"_s;
        try {
            FileSizeLimit limit;
            settings ? page.SaveSettings(path) : page.GeneratePage(path);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), Error::PathFileAccessError);
            EXPECT_TRUE(error.Description().contains(path));
        }
        EXPECT_EQ(app.ReadFile(u"home/old.txt"_s), "the old file");
        EXPECT_EQ(QDir(app.NativeFile(u"home"_s)).count(), 3) << "a file was left behind";
    }
}

} // namespace
