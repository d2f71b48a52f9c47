#include "launcher/Program.h"

#include "launcher/WebEngineWarmUp.h"
#include "launcher/frmConfigure.h"
#include "support/App.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "support/SharedInstall.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

using namespace Qt::StringLiterals;

// The icon of the program in the desktop's menu, for every window without an icon of its own.
// Not in a namespace: Q_INIT_RESOURCE declares the resource's initialiser where it stands.
static QIcon ProgramIcon()
{
    Q_INIT_RESOURCE(program_icons);
    const QDir sizes(u":/program-icons"_s);
    QIcon icon;
    for (const QString& name : sizes.entryList())
        icon.addFile(sizes.filePath(name));
    return icon;
}

// Installed for every user, the program keeps each user's page in the user's own folder, laid out
// the first time; an Error when it cannot be.
static void UseOwnFolderWhenSharedInstall()
{
    const QString startingFiles = SharedInstall::StartingFiles(App::Path());
    if (startingFiles.isEmpty())
        return;
    App::SetPath(NativePath(SharedInstall::UserFolder()));
    SharedInstall::LayOut(startingFiles, App::Path());
}

frmConfigure* StartProgram()
{
    QApplication::setWindowIcon(ProgramIcon());
    PrepareGuiFonts();
    // Every file of the program is found through its folder: one it cannot name is one it does
    // not use at all, rather than another folder that the same text names.
    try {
        UseOwnFolderWhenSharedInstall();
        App::Path();
    } catch (const Error& error) {
        MsgBox(nullptr, error.Description(), MsgBoxStyle::Critical);
        return nullptr;
    }
    auto* controlCenter = new frmConfigure();
    controlCenter->setAttribute(Qt::WA_DeleteOnClose);
    new WebEngineWarmUp(controlCenter);
    controlCenter->show();
    return controlCenter;
}
