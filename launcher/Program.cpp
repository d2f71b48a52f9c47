#include "Program.h"

#include "App.h"
#include "GuiStartup.h"
#include "frmConfigure.h"

#include <QApplication>
#include <QIcon>

frmConfigure* StartProgram()
{
    QApplication::setApplicationDisplayName(App::Title());
    PrepareGuiFonts();
    auto* controlCenter = new frmConfigure();
    controlCenter->setAttribute(Qt::WA_DeleteOnClose);
    controlCenter->show();
    return controlCenter;
}
