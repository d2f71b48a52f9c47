#pragma once

#include "common/ShellSpy.h"
#include "editor/EditorFixture.h"
#include "launcher/Program.h"
#include "launcher/frmConfigure.h"

#include <QPointer>

// The program started on a fresh application folder, at its Control Center; the windows still open
// at the end are closed.
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

    // File, Import Links... on the sample bookmarks of one browser; the action runs on the dialog.
    static void ImportLinks(QWidget* editor, const ModalDriver::Action& action)
    {
        std::unique_ptr<ModalDriver> importLinks;
        ModalDriver fileDialog([&](QWidget* dialog) {
            importLinks = std::make_unique<ModalDriver>(action);
            TypeInto(dialog, u"fileNameEdit"_s,
                     QStringLiteral(QZ_TEST_DATA "/../support/bookmarks/firefox.html"));
            PressKey(dialog, Qt::Key_Return);
        });
        editor->findChild<QAction*>(u"mnuFile_18"_s)->trigger();
    }

    TempAppFolder app;
    ShellSpy shell;
    QPointer<frmConfigure> controlCenter;
};
