#include "Program.h"

#include "App.h"
#include "frmConfigure.h"

#include <QApplication>
#include <QIcon>

frmConfigure* StartProgram()
{
    QApplication::setApplicationDisplayName(App::Title());
    auto* controlCenter = new frmConfigure();
    controlCenter->setAttribute(Qt::WA_DeleteOnClose);
    controlCenter->show();
    return controlCenter;
}
