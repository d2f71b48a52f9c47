#pragma once

#include "common/ShellSpy.h"
#include "editor/EditorFixture.h"
#include "launcher/Program.h"
#include "launcher/frmConfigure.h"

#include <QPointer>

// The program started on a fresh application folder, at its Control Center.
class Program : public ::testing::Test
{
protected:
    Program() : controlCenter(StartProgram()) { Activate(controlCenter); }
    ~Program() override { qDeleteAll(OpenWindows()); }

    static QList<QWidget*> OpenWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QWidget*> open = QApplication::topLevelWidgets();
        open.removeIf([](const QWidget* window) { return !window->isVisible(); });
        return open;
    }

    // Browser, as a user chooses it; the editor it opens.
    frmMain* ChooseBrowser() const
    {
        ClickButton(controlCenter, u"cmdEditBrowser"_s);
        auto* editor = qobject_cast<frmMain*>(OpenWindows().value(0));
        EXPECT_TRUE(editor) << "No editor";
        if (editor)
            Activate(editor);
        return editor;
    }

    // The sample bookmarks of one browser.
    const QString firefox = QStringLiteral(QZ_TEST_DATA "/../support/bookmarks/firefox.html");
    TempAppFolder app;
    ShellSpy shell;
    QPointer<frmConfigure> controlCenter;
};
