#include "support/SharedInstall.h"

#include "common/OrdinaryUser.h"
#include "common/TempAppFolder.h"
#include "support/Error.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Laid out whole and once: a failed copy (of a file the user may not read) leaves nothing to be
// taken for a whole folder later, and the user's own page is never replaced.
TEST(SharedInstall, LaysOutTheUsersFolderWholeAndOnce)
{
    if (RanAsOrdinaryUser())
        return;
    TempAppFolder prefix;
    prefix.WriteFile(u"share/home/qzhome.dat"_s, "starter");
    prefix.WriteFile(u"share/keys.txt"_s);
    const QString data = prefix.NativeFile(u"data"_s), page = data + u"/qz/home/qzhome.dat"_s;
    const auto layOut = [&] {
        SharedInstall::LayOut(prefix.Path() + uR"(\share)"_s, BackslashPath(data + u"/qz"_s));
    };
    QFile::setPermissions(prefix.NativeFile(u"share/keys.txt"_s), {});
    EXPECT_THROW(layOut(), Error);
    EXPECT_TRUE(QDir(data).isEmpty());
    QFile::setPermissions(prefix.NativeFile(u"share/keys.txt"_s), QFile::ReadOwner);
    layOut();
    EXPECT_EQ(ReadFile(page), "starter");
    prefix.WriteFile(u"data/qz/home/qzhome.dat"_s, "mine");
    layOut();
    EXPECT_EQ(
        ReadFile(page) +
            QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(u'|').toLatin1(),
        "mine"
        "qz");
}
