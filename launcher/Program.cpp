#include "launcher/Program.h"

#include "launcher/frmConfigure.h"
#include "support/App.h"
#include "toolkit/GuiStartup.h"

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
