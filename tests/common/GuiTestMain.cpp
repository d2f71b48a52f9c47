#include "common/SettingsHome.h"
#include "toolkit/GuiStartup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UseOwnSettingsHome();
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
