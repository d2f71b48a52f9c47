#include "support/SettingsHistory.h"

#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/FileStamp.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

const QDateTime Moment(QDate(2024, 1, 31), QTime(18, 45, 2));

// Each version is kept under the moment it was replaced; in a second already taken it gets the
// number after the highest, and the 20 newest stay: of 25 versions in one second, the 6th to the
// 25th. Other files in the history are left alone, and a save with no change adds no copy.
TEST(SettingsHistory, KeepsTheNewestVersionsUnderTheirMoments)
{
    TempAppFolder app;
    app.WriteFile(u"home/history/notes.txt"_s, "mine");
    const QString names[] = {u"qzhome-20240130-184502.dat"_s, u"qzhome-20240131-184502.dat"_s,
                             u"qzhome-20240131-184502-2.dat"_s};
    for (int version = 0; version <= 25; ++version) {
        app.WriteFile(u"home/qzhome.dat"_s, QByteArray::number(version));
        const QString copy = SettingsHistory::Keep(app.Path() + u"\\home\\qzhome.dat"_s,
                                                   version == 0 ? Moment.addDays(-1) : Moment);
        if (version < 3) {
            EXPECT_EQ(copy, app.Path() + u"\\home\\history\\"_s + names[version]);
        }
    }
    // Saved again unchanged, the newest copy already holds it.
    EXPECT_EQ(SettingsHistory::Keep(app.Path() + u"\\home\\qzhome.dat"_s, Moment.addSecs(1)),
              app.Path() + u"\\home\\history\\qzhome-20240131-184502-25.dat"_s);
    QStringList expected = {u"notes.txt"_s};
    for (int version = 6; version <= 25; ++version) {
        expected << u"qzhome-20240131-184502-%1.dat"_s.arg(version);
        EXPECT_EQ(app.ReadFile(u"home/history/"_s + expected.last()), QByteArray::number(version));
    }
    expected.sort();
    EXPECT_EQ(QDir(app.NativeFile(u"home/history"_s)).entryList(QDir::Files, QDir::Name), expected);
}

// A stamp tells any change apart: other bytes of the same size and time, a new time, a file
// removed. The same bytes written again at the same time are the same file.
TEST(FileStamp, ChangesWithTheFile)
{
    TempAppFolder app;
    const QString file = app.Path() + u"\\qzhome.dat"_s;
    const auto write = [&](const QByteArray& bytes, qint64 iSeconds) {
        app.WriteFile(u"qzhome.dat"_s, bytes);
        QFile handle(app.NativeFile(u"qzhome.dat"_s));
        ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
        handle.setFileTime(Moment.addSecs(iSeconds), QFileDevice::FileModificationTime);
    };
    const std::pair<std::function<void()>, bool> changes[] = {
        {[&] { write("same", 0); }, false},
        {[&] { write("SAME", 0); }, true},
        {[&] { write("same", 1); }, true},
        {[&] { QFile::remove(app.NativeFile(u"qzhome.dat"_s)); }, true},
    };
    for (const auto& [change, differs] : changes) {
        write("same", 0);
        const FileStamp before = FileStamp::Of(file);
        change();
        EXPECT_EQ(FileStamp::Of(file) != before, differs);
    }
    EXPECT_EQ(FileStamp::Of(file), FileStamp());
}

} // namespace
