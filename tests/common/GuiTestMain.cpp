#include "common/SettingsHome.h"
#include "toolkit/GuiStartup.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

// The programs with windows, whose dialogs keep settings, check where they keep them.
TEST(TestProgram, KeepsItsQtSettingsOutOfTheUsersHome)
{
    const QString file = QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
    EXPECT_TRUE(file.startsWith(QDir::tempPath())) << file.toStdString();
}

int main(int argc, char** argv)
{
    UseOwnSettingsHome();
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
