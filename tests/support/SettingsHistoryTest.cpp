#include "support/SettingsHistory.h"

#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/Error.h"
#include "support/FileStamp.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

const QDateTime Moment(QDate(2024, 1, 31), QTime(18, 45, 2));

// Every version is kept under the moment it was replaced, a name taken in the same second gets
// the next number, and the 20 newest stay: of 25 versions in one second, the 6th to the 25th.
// Files of other names in the history are left alone.
TEST(SettingsHistory, KeepsTheNewestVersionsUnderTheirMoments)
{
    TempAppFolder app;
    const QString file = app.Path() + u"\\home\\qzhome.dat"_s;
    app.WriteFile(u"home/history/notes.txt"_s, "mine");
    app.WriteFile(u"home/history/qzhome-2024.dat"_s, "mine");
    const std::pair<QDateTime, QString> first[] = {
        {Moment.addDays(-1), u"qzhome-20240130-184502.dat"_s},
        {Moment, u"qzhome-20240131-184502.dat"_s},
        {Moment, u"qzhome-20240131-184502-2.dat"_s},
    };
    for (const auto& [moment, name] : first) {
        app.WriteFile(u"home/qzhome.dat"_s, name.toUtf8());
        EXPECT_EQ(SettingsHistory::Keep(file, moment), app.Path() + u"\\home\\history\\"_s + name);
        EXPECT_EQ(app.ReadFile(u"home/history/"_s + name), name.toUtf8());
    }
    for (int version = 3; version <= 25; ++version) {
        app.WriteFile(u"home/qzhome.dat"_s, QByteArray::number(version));
        SettingsHistory::Keep(file, Moment);
    }
    QStringList expected = {u"notes.txt"_s, u"qzhome-2024.dat"_s};
    for (int version = 6; version <= 25; ++version) {
        const QString name = u"qzhome-20240131-184502-%1.dat"_s.arg(version);
        expected << name;
        EXPECT_EQ(app.ReadFile(u"home/history/"_s + name), QByteArray::number(version));
    }
    expected.sort();
    EXPECT_EQ(QDir(app.NativeFile(u"home/history"_s)).entryList(QDir::Files, QDir::Name), expected);
}

// A history that cannot be made is an Error naming the copy; the file stays as it was.
TEST(SettingsHistory, SaysWhyNoCopyCouldBeMade)
{
    TempAppFolder app;
    app.WriteFile(u"home/qzhome.dat"_s, "settings");
    app.WriteFile(u"home/history"_s, "a file in the folder's place");
    try {
        SettingsHistory::Keep(app.Path() + u"\\home\\qzhome.dat"_s, Moment);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), Error::PathNotFound);
        EXPECT_TRUE(error.Description().contains(u"qzhome-20240131-184502.dat"_s));
    }
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), "settings");
}

// A stamp tells a file apart from any change: other bytes under the same size and time, a new
// time, a file removed or made. Bytes written again as they were, at the same time, are the same.
TEST(FileStamp, ChangesWithTheFile)
{
    TempAppFolder app;
    const QString file = app.Path() + u"\\qzhome.dat"_s;
    const QString native = app.NativeFile(u"qzhome.dat"_s);
    const auto write = [&](const QByteArray& bytes, qint64 iSeconds) {
        app.WriteFile(u"qzhome.dat"_s, bytes);
        QFile handle(native);
        ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
        handle.setFileTime(Moment.addSecs(iSeconds), QFileDevice::FileModificationTime);
    };
    const std::pair<std::function<void()>, bool> changes[] = {
        {[&] { write("same", 0); }, false},
        {[&] { write("SAME", 0); }, true},
        {[&] { write("same", 1); }, true},
        {[&] { QFile::remove(native); }, true},
    };
    for (const auto& [change, differs] : changes) {
        write("same", 0);
        const FileStamp before = FileStamp::Of(file);
        change();
        EXPECT_EQ(FileStamp::Of(file) != before, differs);
    }
    EXPECT_EQ(FileStamp::Of(file), FileStamp());
    write("", 0);
    EXPECT_NE(FileStamp::Of(file), FileStamp());
}

} // namespace
