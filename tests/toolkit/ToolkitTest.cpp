#include "common/MessageBoxSeen.h"
#include "common/QStringPrinter.h"
#include "common/TempAppFolder.h"
#include "support/Error.h"
#include "support/basProcs.h"
#include "toolkit/LostFocus.h"
#include "toolkit/MsgBox.h"
#include "toolkit/basProcsDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMetaEnum>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace MsgBoxStyle;
using namespace MsgBoxResult;
using basProcs::CustomColors;
using basProcs::GetPathPart;
using basProcs::ReportError;

namespace
{

// Each way of asking shows a box with the program's name as title, and its icon, buttons and text.
// Neither Esc nor the close box answers a question of Yes and No, which shows no close box.
TEST(MsgBox, ShowsTheTextAndButtonsOfItsStyleAndGivesTheAnswer)
{
    const Error notFound(Error::FileNotFound);
    const std::tuple<std::function<int()>, QString, int, QString> cases[] = {
        {[] { return MsgBox(nullptr, u"<b>1</b>\r\n2"_s); }, u"OK"_s, Ok,
         u"NoIcon|OK|<b>1</b>\n2"_s},
        {[] { return MsgBox(nullptr, u"Sure?"_s, Critical | OkCancel); }, u"Cancel"_s, Cancel,
         u"Critical|Cancel OK|Sure?"_s},
        {[] { return MsgBox(nullptr, u"Save?"_s, Question | YesNo); }, u"No"_s, No,
         u"Question|No Yes|Save?|stayed"_s},
        {[&] { return int(ReportError(nullptr, notFound, {}, {}, {}, true)); }, u"OK"_s, 1,
         u"Critical|OK|An error has occurred.\n53 File not found"_s},
        {[&] { return int(ReportError(nullptr, notFound, u"M"_s, u"No."_s, u"Again."_s, false)); },
         u"Cancel"_s, 0, u"Critical|Cancel OK|No.\n(Module: M) 53 File not found\nAgain."_s},
    };
    const QMetaEnum icons = QMetaEnum::fromType<QMessageBox::Icon>();
    for (const auto& [ask, click, answer, shown] : cases) {
        MessageBoxSeen seen;
        QString stayed;
        ModalDriver driver([&, click](QWidget* box) {
            if (click == u"No"_s) {
                PressKey(box, Qt::Key_Escape);
                box->close();
                QTest::qWait(50);
                if (box->isVisible() && !(box->windowFlags() & Qt::WindowCloseButtonHint))
                    stayed = u"|stayed"_s;
            }
            AnswerMessageBox(click, seen)(box);
        });
        EXPECT_EQ(ask(), answer);
        EXPECT_EQ(seen.title + u'|' + QString::fromLatin1(icons.valueToKey(seen.icon)) + u'|' +
                      seen.buttons.join(u' ') + u'|' + seen.text + stayed,
                  App::Title() + u'|' + shown);
    }
}

// A name typed and Enter: the dialog opens on the folder of the path it gives; only modes 0 and 1.
TEST(FileDialog, OpensOnTheFolderAndGivesTheChosenPath)
{
    const QString pictures = u"Pictures,*.gif;*.jpg;*.bmp,All Files,*.*"_s, pics = u"\\pics"_s;
    const QString bm = u"Bookmarks"_s;
    // the start folder, mode, filter, default extension, the name typed, the path given, the types
    const std::tuple<QString, qint16, QString, QString, QString, QString, QString> cases[] = {
        {pics, 0, pictures, {}, u"cat"_s, u"\\pics\\cat.bmp"_s, u"Pictures|All Files"_s},
        {pics, 0, pictures, u"gif"_s, u"cat"_s, u"\\pics\\cat.gif"_s, u"Pictures|All Files"_s},
        {pics, 0, u"All,*.*"_s, {}, u"notes"_s, u"\\pics\\notes"_s, u"All"_s},
        {u"\\pics\\"_s, 1, u"Pages,*.html"_s, {}, u"page"_s, u"\\pics\\page.html"_s, u"Pages"_s},
        {u"\\nowhere"_s, 0, pictures, {}, u"a"_s, u"\\a.bmp"_s, u"Pictures|All Files"_s},
        // A file that is there is opened as it is named, without the extension added.
        {pics, 0, bm + u",*.json;"_s + bm, {}, bm, pics + u'\\' + bm, bm},
        {pics, 2, pictures, {}, {}, {}, {}}, // no dialog, no name
    };
    for (const auto& [initial, mode, filter, defaultExt, typed, expected, types] : cases) {
        SCOPED_TRACE(expected.toStdString());
        TempAppFolder app;
        app.WriteFile(u"pics/Bookmarks"_s);
        QStringList shown; // the folder, then the file types offered
        ModalDriver driver([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            auto* combo = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
            shown << BackslashPath(dialog->directory().absolutePath());
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            TypeInto(dialog, u"fileNameEdit"_s, typed);
            PressKey(dialog, Qt::Key_Return);
        });
        QString fileName = u"left over"_s;
        EXPECT_EQ(basProcs::ShowFileDialog(fileName, mode, nullptr, u"Import"_s,
                                           app.Path() + initial, filter, defaultExt),
                  mode < 2);
        EXPECT_EQ(fileName, expected.isEmpty() ? QString() : app.Path() + expected);
        EXPECT_EQ(shown.join(u'|'), mode < 2 ? GetPathPart(fileName) + u'|' + types : QString());
    }
}

// Custom colour 2 being 0x00030201, a picked colour goes into the custom box after those of earlier
// dialogs, only once closed with OK. The dialog's settings stay out of the user's home.
TEST(ColorDialog, StartsOnTheInitialColourAndKeepsChoicesOnlyAfterOk)
{
    // the initial colour, the colour shown, whether 0x00563412 is picked and added to the custom
    // colours, the button; afterwards the colour, a custom box and its colour
    const std::tuple<std::optional<qint32>, QString, bool, QString, qint32, int, qint32> cases[] = {
        {0x00336699, u"#996633"_s, true, u"OK"_s, 0x00563412, 0, 0x00563412},
        {{}, u"#000000"_s, false, u"OK"_s, 0, 0, 0},
        {0, u"#000000"_s, true, u"Cancel"_s, 7, 1, 0},
        {0, u"#000000"_s, true, u"OK"_s, 0x00563412, 1, 0x00563412},
    };
    for (const auto& [initial, expectedShown, pick, button, expectedColor, box, custom] : cases) {
        CustomColors().fill(0);
        CustomColors()[2] = 0x00030201;
        QColor shown;
        ModalDriver driver([&](QWidget* widget) {
            auto* dialog = qobject_cast<QColorDialog*>(widget);
            shown = dialog->currentColor();
            if (pick) {
                dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
                ClickButton(dialog, u"Add to Custom Colors"_s);
            }
            ClickButton(dialog, button);
        });
        qint32 color = 7;
        EXPECT_EQ(basProcs::ShowColorDialog(color, nullptr, initial), button == u"OK"_s);
        EXPECT_EQ(std::tuple(shown.name(), color, CustomColors()[box], CustomColors()[2]),
                  std::tuple(expectedShown, expectedColor, custom, 0x00030201));
    }
    EXPECT_TRUE(
        QSettings(QSettings::UserScope, u"QtProject"_s).fileName().startsWith(QDir::tempPath()));
}

// A text box, and a composite control whose focus sits in its drop-down list, under a menu bar.
TEST(LostFocus, IsRaisedForTheControlLeftButNotForMenusOrMessageBoxes)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setMenuBar(new QMenuBar(&window));
    qobject_cast<QMenuBar*>(layout->menuBar())->addMenu(u"&File"_s)->addAction(u"&Save"_s);
    auto* txtA = new QLineEdit(&window);
    auto* composite = new QWidget(&window);
    auto* combo = new QComboBox(composite);
    (new QVBoxLayout(composite))->addWidget(combo);
    composite->setFocusProxy(combo);
    QStringList lost;
    const std::pair<QWidget*, QString> controls[] = {{txtA, u"A"_s}, {composite, u"C"_s}};
    for (const auto& [control, name] : controls) {
        layout->addWidget(control);
        OnLostFocus(control, [&lost, name] { lost << name; });
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    txtA->setFocus();
    QTest::keyClick(txtA, Qt::Key_Tab);
    txtA->setFocus();
    txtA->setFocus();
    composite->setFocus();
    // Walking the menu bar by keyboard passes the focus through it.
    QTest::keyClick(combo, Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(combo->hasFocus());
    ModalDriver driver([](QWidget* box) { ClickButton(box, u"OK"_s); });
    EXPECT_EQ(MsgBox(&window, u"Hello"_s), Ok);
    txtA->setFocus(); // the window may not be active again yet; a move still counts
    EXPECT_EQ(lost, QStringList({u"A"_s, u"C"_s, u"A"_s, u"C"_s}));
}

} // namespace
