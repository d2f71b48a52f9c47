#include "App.h"
#include "MessageBoxSeen.h"
#include "Program.h"
#include "ShellSpy.h"
#include "TempAppFolder.h"
#include "frmConfigure.h"
#include "frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

// The program's windows that are open.
QStringList OpenWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names.append(window->objectName());
    return names;
}

class ControlCenter : public ::testing::Test
{
protected:
    ControlCenter() : controlCenter(StartProgram())
    {
        QApplication::setActiveWindow(controlCenter);
        EXPECT_TRUE(QTest::qWaitForWindowActive(controlCenter));
    }
    ~ControlCenter() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<frmMain*>(window))
                delete window;
        delete controlCenter;
    }

    void Click(const QString& sName) const
    {
        QTest::mouseClick(controlCenter->findChild<QWidget*>(sName), Qt::LeftButton);
    }

    TempAppFolder app;
    ShellSpy shell;
    QPointer<frmConfigure> controlCenter;
};

TEST_F(ControlCenter, OpensWithTheFocusOnDesktop)
{
    EXPECT_EQ(controlCenter->windowTitle(), u"Control Center"_s);
    EXPECT_EQ(controlCenter->focusWidget()->objectName(), u"cmdEditDesktop"_s);
    EXPECT_FALSE(controlCenter->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(controlCenter->minimumSize(), controlCenter->maximumSize());
}

TEST_F(ControlCenter, LabelOpensTheParentsKeysAndStaysOpen)
{
    Click(u"lblInfo"_s);
    Click(u"lblInfo"_s);

    const QString keys = app.NativeFile(u"QzDesk Parents Keys.txt"_s);
    EXPECT_EQ(shell.opened, QStringList({keys, keys}));
    EXPECT_EQ(OpenWindows(), QStringList{u"frmConfigure"_s});
}

TEST_F(ControlCenter, DesktopTellsOpensTheProgramsFolderAndCloses)
{
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(u"OK"_s, seen));
    Click(u"cmdEditDesktop"_s);

    EXPECT_EQ(seen.text, u"The Desktop Programs folder will now open so you can add shortcuts to "
                         u"it. You can drag shortcuts to the folder from your Start Menu."_s);
    EXPECT_EQ(seen.title, App::Title());
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{u"OK"_s});
    EXPECT_EQ(shell.opened, QStringList{app.NativeFile(u"programs"_s)});
    EXPECT_TRUE(OpenWindows().isEmpty());
    EXPECT_TRUE(controlCenter.isNull());
}

TEST_F(ControlCenter, BrowserLeavesTheEditorAsTheOnlyWindow)
{
    Click(u"cmdEditBrowser"_s);

    EXPECT_EQ(OpenWindows(), QStringList{u"frmMain"_s});
    EXPECT_TRUE(controlCenter.isNull());
}

TEST(ControlCenterPaths, AFolderEndingInABackslashGivesNoDoubleBackslash)
{
    TempAppFolder app;
    App::SetPath(app.Path() + u'\\');
    ShellSpy shell;
    frmConfigure controlCenter;

    controlCenter.lblInfo_Click();
    EXPECT_EQ(shell.opened, QStringList{app.NativeFile(u"QzDesk Parents Keys.txt"_s)});
}

} // namespace
