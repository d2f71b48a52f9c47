#ifdef QZ_TEST_GUI
#include "toolkit/GuiStartup.h"

#include <QApplication>
#endif
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The main of every test program; QZ_TEST_GUI gives it windows.
int main(int argc, char** argv)
{
    // A Qt settings home of the program's own, removed when it ends, so that the dialogs' settings
    // never reach the user's: made before the application object, so it outlives their writing.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
#ifdef QZ_TEST_GUI
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
