#include "GuiStartup.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    StartProgram();
    return QApplication::exec();
}
