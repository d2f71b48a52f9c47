#include "launcher/Program.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/Languages.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    UseSystemLanguage();
    if (!StartProgram())
        return 1;
    return QApplication::exec();
}
