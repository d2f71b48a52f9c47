#include "Program.h"

#include "CWebPage.h"
#include "ModalDriver.h"
#include "NativePath.h"
#include "TempAppFolder.h"
#include "frmConfigure.h"
#include "frmMain.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

QByteArray ReadFile(const QString& sNative)
{
    QFile file(sNative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Golden(const QString& sName)
{
    return ReadFile(QStringLiteral(QZ_TEST_DATA "/golden/") + sName);
}

// Starts the program as main does and chooses "Browser": the editor window, shown and active.
frmMain* OpenEditor()
{
    frmConfigure* controlCenter = StartProgram();
    QTest::mouseClick(controlCenter->findChild<QWidget*>(u"cmdEditBrowser"_s), Qt::LeftButton);
    frmMain* editor = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmMain*>(window); found && found->isVisible())
            editor = found;
    QApplication::setActiveWindow(editor);
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
    return editor;
}

void ClickMenuItem(QAction* item)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void Choose(QWidget* picker, const QString& sText)
{
    auto* list = picker->findChild<QComboBox*>(u"cmbImages"_s);
    list->setCurrentIndex(list->findText(sText));
}

// A parent's first afternoon: a link added through the dialog, a background colour, Ctrl+S, and
// the window closed with Yes. Both files come out byte for byte as expected.
TEST(Program, AddsALinkSetsAColourSavesAndCloses)
{
    TempAppFolder app;
    app.WriteFile(u"home/ball.jpg"_s, ReadFile(QStringLiteral(QZ_DATA "/home/ball.jpg")));
    frmMain* editor = OpenEditor();

    ModalDriver linkDialog([](QWidget* dialog) {
        Choose(dialog->findChild<QWidget*>(u"cmbImages"_s), u"ball.jpg"_s);
        TypeInto(dialog, u"txtTitle"_s, u"Games"_s);
        TypeInto(dialog, u"txtURL"_s, u"games.html"_s);
        PressKey(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(editor->findChild<QWidget*>(u"cmdLink_0"_s), Qt::LeftButton);
    ASSERT_TRUE(linkDialog.Ran());

    ModalDriver colorDialog([](QWidget* dialog) {
        qobject_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(255, 255, 0));
        ClickButton(dialog, u"OK"_s);
    });
    QTest::mouseClick(editor->findChild<QWidget*>(u"cmdColors"_s), Qt::LeftButton);
    ClickMenuItem(editor->findChild<QAction*>(u"mnuColors_0"_s));
    ASSERT_TRUE(colorDialog.Ran());

    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    ModalDriver question([](QWidget* box) { ClickButton(box, u"Yes"_s); });
    editor->close();

    EXPECT_TRUE(question.Ran());
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(u"afternoon.dat"_s));
    EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(u"afternoon.html"_s));
}

// The hearts of the starter page follow the mouse pointer across the editor's preview.
TEST(Program, MouseTrailFollowsThePointerInThePreview)
{
    TempAppFolder app;
    for (const QString& file : {u"qzhome.dat"_s, u"trails.js"_s, u"heart.gif"_s})
        app.WriteFile(u"home/"_s + file, ReadFile(QStringLiteral(QZ_DATA "/home/") + file));
    frmMain* editor = OpenEditor();
    auto* view = editor->findChild<QWebEngineView*>(u"ieBrowser"_s);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(20000));

    const auto dotPlace = [view] {
        QString place;
        view->page()->runJavaScript(
            u"var d = document.getElementById('dot6');"
            u"d.style.left + ',' + d.style.top"_s,
            [&place](const QVariant& result) { place = result.toString(); });
        EXPECT_TRUE(QTest::qWaitFor([&place] { return !place.isEmpty(); }));
        return place;
    };
    const QString before = dotPlace();
    QWidget* surface = view->focusProxy();
    QTest::mouseMove(surface, QPoint(300, 200));
    QTest::mouseMove(surface, QPoint(320, 220));

    EXPECT_TRUE(QTest::qWaitFor([&] { return dotPlace() != before; }, 5000))
        << before.toStdString();
    delete editor;
}

// The starter page laid out for the parent is the generator's own output of its settings file.
TEST(Program, StarterPageIsGeneratedFromItsSettings)
{
    TempAppFolder app;
    CWebPage page;
    page.LoadSettings(BackslashPath(QStringLiteral(QZ_DATA "/home/qzhome.dat")));
    page.GeneratePage(app.Path() + u"\\qzhome.html"_s);
    EXPECT_EQ(app.ReadFile(u"qzhome.html"_s),
              ReadFile(QStringLiteral(QZ_DATA "/home/qzhome.html")));
}

} // namespace
