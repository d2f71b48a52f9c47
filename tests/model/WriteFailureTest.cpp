#include "CWebPage.h"
#include "Error.h"
#include "TempAppFolder.h"

#include <QDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace
{

// Lets this process write no file beyond a few bytes while it lives: as close to a full disk as a
// test can come, and it stops even a privileged user.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(WriteFailure, LeavesThePreviousFileWhole)
{
    const std::pair<const char*, std::function<void(const CWebPage&, const QString&)>> writes[] = {
        {"SaveSettings",
         [](const CWebPage& page, const QString& path) { page.SaveSettings(path); }},
        {"GeneratePage",
         [](const CWebPage& page, const QString& path) { page.GeneratePage(path); }},
    };
    CWebPage page;
    for (int link = 0; link < 100; ++link)
        page.Links().Add(std::make_shared<CWebPage>());
    for (const auto& [name, write] : writes) {
        TempAppFolder app;
        app.WriteFile(u"home/old.txt"_s, "the old file");
        const QString path = app.Path() + u"\\home\\old.txt"_s;
        try {
            FileSizeLimit limit;
            write(page, path);
            ADD_FAILURE() << name << ": no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), Error::PathFileAccessError) << name;
            EXPECT_TRUE(error.Description().contains(path)) << name;
        }
        EXPECT_EQ(app.ReadFile(u"home/old.txt"_s), "the old file") << name;
        EXPECT_EQ(QDir(app.NativeFile(u"home"_s)).count(), 3) << name << ": a file was left behind";
    }
}

} // namespace
