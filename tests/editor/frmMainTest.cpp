#include "ControlArray.h"
#include "EditorFixture.h"
#include "MessageBoxSeen.h"
#include "PickerDriving.h"
#include "Twips.h"
#include "WebBrowser.h"
#include "usrHomeImages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

using Editor = EditorFixture;

struct Place {
    QString name;
    int left, top, width, height; // twips; a height of 0 is the control's own
    QString caption;
};

TEST_F(Editor, PlacesEveryControlWithItsCaption)
{
    Open();
    const bool symbols = Child(u"cmdLink_3"_s)->font().family() == u"Wingdings"_s;
    const QString up = symbols ? u"\u00e1"_s : u"\u2191"_s;
    const QString down = symbols ? u"\u00e2"_s : u"\u2193"_s;
    const Place places[] = {{u"lblTitle_0"_s, 90, 90, 1410, 240, u"Page Title:"_s},
                            {u"txtTitle"_s, 90, 315, 2220, 285, {}},
                            {u"lblName"_s, 90, 675, 1410, 240, u"Name On Page:"_s},
                            {u"txtName"_s, 90, 900, 2220, 285, {}},
                            {u"lblWallpaper"_s, 90, 1260, 1410, 240, u"Wallpaper:"_s},
                            {u"cmbWallpaper"_s, 90, 1485, 2220, 0, {}},
                            {u"Label1"_s, 90, 1845, 1410, 240, u"Mouse Trails:"_s},
                            {u"cmbMouseTrails"_s, 90, 2070, 2220, 0, {}},
                            {u"cmdColors"_s, 90, 2475, 2220, 330, u"Set Colors    "_s},
                            {u"picColor"_s, 1530, 2610, 150, 105, {}},
                            {u"lblLinks"_s, 90, 2925, 825, 195, u"Links:"_s},
                            {u"lstLinks"_s, 90, 3150, 2220, 1230, {}},
                            {u"cmdLink_0"_s, 90, 4410, 540, 330, u"Add..."_s},
                            {u"cmdLink_1"_s, 630, 4410, 540, 330, u"Edit..."_s},
                            {u"cmdLink_2"_s, 1170, 4410, 540, 330, u"Del"_s},
                            {u"cmdLink_3"_s, 1710, 4410, 315, 330, up},
                            {u"cmdLink_4"_s, 2025, 4410, 315, 330, down},
                            {u"cmdUpdatePreview"_s, 90, 5310, 2220, 420, u"Update Preview"_s}};
    for (const Place& p : places) {
        const QWidget* control = Child(p.name);
        const QRect expected(Twips::ToPixels(p.left), Twips::ToPixels(p.top),
                             Twips::ToPixels(p.width),
                             p.height ? Twips::ToPixels(p.height) : control->height());
        EXPECT_EQ(control->geometry(), expected) << qPrintable(p.name);
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QPushButton*>(control);
        EXPECT_EQ(label    ? label->text()
                  : button ? button->text()
                           : QString(),
                  p.caption)
            << qPrintable(p.name);
    }
    EXPECT_EQ(window->windowTitle(), u"Zellow's Browser Home Page Editor"_s);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget()->size(), QSize(596, 445));
    EXPECT_EQ(Child(u"cmdLink_3"_s)->toolTip(), u"Move Up"_s);
    EXPECT_EQ(Child(u"cmdLink_4"_s)->toolTip(), u"Move Down"_s);
    EXPECT_EQ(Child(u"cmdLink_0"_s)->font().pointSizeF(), 6.75);
}

// The web view keeps Tab for the page it shows; the parent leaves it with the mouse.
TEST_F(Editor, TabVisitsTheControlsInOrder)
{
    Open();
    Child(u"txtTitle"_s)->setFocus();
    QStringList visited{Focused()};
    for (int step = 0; step < 11; ++step) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << Focused();
    }
    Child(u"cmbMouseTrails"_s)->setFocus();
    QTest::keyClick(window->focusWidget(), Qt::Key_Backtab);
    visited << Focused();
    EXPECT_EQ(visited, QStringList({u"txtTitle"_s, u"txtName"_s, u"cmbWallpaper"_s, u"cmdColors"_s,
                                    u"lstLinks"_s, u"cmdLink_0"_s, u"cmdLink_1"_s, u"cmdLink_2"_s,
                                    u"cmdLink_3"_s, u"cmdLink_4"_s, u"cmdUpdatePreview"_s,
                                    u"ieBrowser"_s, u"ieBrowser"_s}));
}

TEST_F(Editor, HasTheFileMenuAndAHiddenColorsMenu)
{
    Open();
    QStringList items;
    for (const QAction* action : Child<QMenu>(u"tmnuFile"_s)->actions())
        items << action->objectName() + u' ' + (action->isSeparator() ? u"-"_s : action->text());
    EXPECT_EQ(items, QStringList({u"mnuFile_10 &Save"_s, u"mnuFile_15 -"_s,
                                  u"mnuFile_16 Import Picture..."_s,
                                  u"mnuFile_17 Open Folder In Explorer"_s, u"mnuFile_19 -"_s,
                                  u"mnuFile_20 E&xit"_s}));
    EXPECT_EQ(Child<QAction>(u"mnuFile_10"_s)->shortcut(), QKeySequence(u"Ctrl+S"_s));
    QStringList bar;
    for (const QAction* action : window->menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, QStringList({u"&File"_s}));
    EXPECT_EQ(Child<QMenu>(u"tmnuColors"_s)->actions().size(), 5);
}

TEST_F(Editor, ShowsTheRowsOfTheLinksWithTheirPositions)
{
    CWebPage page = Page(0);
    for (const auto& [name, address] :
         {std::pair(u"Games"_s, u"games.html"_s), {}, {u"Games"_s, u"games.html"_s}}) {
        auto link = std::make_shared<CWebPage>();
        link->SetName(name);
        link->SetMainLink(address);
        page.Links().Add(link);
    }
    WriteSettings(page);
    Open();
    EXPECT_EQ(Rows(), QStringList({u"Games (games.html)"_s, u" ()"_s, u"Games (games.html)"_s}));
    const auto* list = Child<QListWidget>(u"lstLinks"_s);
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(list->item(row)->data(Qt::UserRole), row + 1);
    EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(Editor, CtrlSSavesTheTitleStillBeingTyped)
{
    WriteSettings(Page());
    Open();
    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    PressCtrlS();
    EXPECT_EQ(Home(u"qzhome.dat"_s), Golden(u"saved.dat"_s));
    EXPECT_EQ(Home(u"qzhome.html"_s), Golden(u"saved.html"_s));
}

struct CloseCase {
    const char* name;
    QString answer;
    bool saved;
};

using EditorClose = EditorCases<CloseCase>;

TEST_P(EditorClose, AsksOnEveryCloseAndSavesOnYes)
{
    WriteSettings(Page());
    Open();
    const QByteArray before = Home(u"qzhome.dat"_s);
    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    MessageBoxSeen seen;
    ModalDriver driver(AnswerMessageBox(GetParam().answer, seen));
    window->close();

    EXPECT_EQ(seen.text, u"Save Home Page before exiting?"_s);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QStringList({u"No"_s, u"Yes"_s}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Home(u"qzhome.dat"_s), GetParam().saved ? Golden(u"saved.dat"_s) : before);
    EXPECT_EQ(app.Exists(u"home/qzhome.html"_s), GetParam().saved);
    EXPECT_TRUE(app.Exists(u"home/qzhometmp.html"_s));
}

INSTANTIATE_TEST_SUITE_P(Answers, EditorClose,
                         ::testing::Values(CloseCase{"Yes", u"Yes"_s, true},
                                           CloseCase{"No", u"No"_s, false}),
                         CaseName);

// The wallpaper reaches the page when the focus leaves its picker.
struct WallpaperCase {
    const char* name;
    QString stored;
    QString chosen; // empty: the picker is only passed through
    QString shown;
    QString savedBefore, savedAfter;
};

using EditorWallpaper = EditorCases<WallpaperCase>;

TEST_P(EditorWallpaper, IsStoredWhenTheFocusLeavesThePicker)
{
    const WallpaperCase& c = GetParam();
    CWebPage page = Page();
    page.SetWallpaper(c.stored);
    WriteSettings(page);
    Open();
    EXPECT_EQ(Child<usrHomeImages>(u"cmbWallpaper"_s)->Text(), c.shown);
    PressCtrlS();
    EXPECT_EQ(SavedSettings().value(3), c.savedBefore);

    Child(u"cmbWallpaper"_s)->setFocus();
    if (!c.chosen.isEmpty())
        Choose(Child(u"cmbWallpaper"_s)->findChild<QComboBox*>(), c.chosen);
    Child(u"txtName"_s)->setFocus();
    PressCtrlS();
    EXPECT_EQ(SavedSettings().value(3), c.savedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorWallpaper,
    ::testing::Values(
        WallpaperCase{"NoneIsEmpty", u"sky.jpg"_s, u"(None)"_s, u"sky.jpg"_s, u"sky.jpg"_s, {}},
        WallpaperCase{"Chosen", u"sky.jpg"_s, u"book.bmp"_s, u"sky.jpg"_s, u"sky.jpg"_s,
                      u"book.bmp"_s},
        WallpaperCase{
            "MissingKeptUntilPassedThrough", u"gone.jpg"_s, {}, u"(None)"_s, u"gone.jpg"_s, {}}),
    CaseName);

} // namespace
