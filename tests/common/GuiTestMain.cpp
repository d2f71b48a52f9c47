#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The web view shares its graphics context with the windows, and must be told before start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
