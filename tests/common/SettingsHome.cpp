#include "common/SettingsHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void UseOwnSettingsHome()
{
    // Made before the application object, so it outlives the dialogs' settings, written last.
    static const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
}

// Every test program links this file, so every one of them checks its own settings home.
TEST(TestProgram, KeepsItsQtSettingsOutOfTheUsersHome)
{
    const QSettings settings(QSettings::UserScope, u"QtProject"_s);
    EXPECT_TRUE(settings.fileName().startsWith(QDir::tempPath()))
        << settings.fileName().toStdString();
}
