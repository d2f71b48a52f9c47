#include "EditorFixture.h"
#include "ModalDriver.h"
#include "basProcsDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

// The rows of the links written as the numbers of their links, "N" for a new one: "213".
QString Order(const QStringList& rows)
{
    QString order;
    for (const QString& row : rows)
        order += row == u"New Link ()"_s ? u"N"_s : row.section(u' ', 1, 1);
    return order;
}

struct LinkCase {
    const char* name;
    int links;
    int selected; // -1: no row
    int button;   // cmdLink index
    QString order;
    int selectedAfter;
    bool refreshed; // the list and the preview were rebuilt
};

using LinkCommands = EditorCases<LinkCase>;

// A dialog that opens is changed and cancelled: the link keeps what it had.
TEST_P(LinkCommands, ChangeTheLinksAndSelectTheRowAfterwards)
{
    const LinkCase& c = GetParam();
    WriteSettings(Page(c.links));
    Open();
    if (c.selected >= 0)
        SelectRow(c.selected);
    QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
    ModalDriver dialog([](QWidget* link) {
        TypeInto(link, u"txtTitle"_s, u"Changed"_s);
        ClickButton(link, u"Cancel"_s);
    });
    ClickButton(window.get(), u"cmdLink_%1"_s.arg(c.button));

    EXPECT_EQ(Order(Rows()), c.order);
    EXPECT_EQ(SelectedRow(), c.selectedAfter);
    EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), c.refreshed);
    EXPECT_EQ(dialog.Ran(), c.button == 0 || (c.button == 1 && c.selected >= 0));
}

enum { Add, Edit, Del, Up, Down };

INSTANTIATE_TEST_SUITE_P(
    Table, LinkCommands,
    ::testing::Values(LinkCase{"NoneAdd", 0, -1, Add, u"N"_s, 0, true},
                      LinkCase{"NoneEdit", 0, -1, Edit, {}, -1, false},
                      LinkCase{"NoneDel", 0, -1, Del, {}, -1, false},
                      LinkCase{"NoneUp", 0, -1, Up, {}, -1, false},
                      LinkCase{"NoneDown", 0, -1, Down, {}, -1, false},
                      LinkCase{"OneUp", 1, 0, Up, u"1"_s, 0, false},
                      LinkCase{"OneDown", 1, 0, Down, u"1"_s, 0, false},
                      LinkCase{"OneDel", 1, 0, Del, {}, -1, true},
                      LinkCase{"OneEditUnselected", 1, -1, Edit, u"1"_s, -1, false},
                      LinkCase{"ThreeAdd", 3, 1, Add, u"123N"_s, 3, true},
                      LinkCase{"ThreeEdit", 3, 1, Edit, u"123"_s, 1, true},
                      LinkCase{"ThreeDel", 3, 1, Del, u"13"_s, -1, true},
                      LinkCase{"ThreeDownFirst", 3, 0, Down, u"213"_s, 1, true},
                      LinkCase{"ThreeUpLast", 3, 2, Up, u"132"_s, 1, true},
                      LinkCase{"ThreeUpFirst", 3, 0, Up, u"123"_s, 0, false},
                      LinkCase{"ThreeDownLast", 3, 2, Down, u"123"_s, 2, false},
                      LinkCase{"ThreeDelUnselected", 3, -1, Del, u"123"_s, -1, false}),
    CaseName);

using Links = EditorFixture;

TEST_F(Links, AddThenOkAndADoubleClickEditTheLinkInPlace)
{
    WriteSettings(Page(1));
    Open();
    ModalDriver add([](QWidget* link) {
        TypeInto(link, u"txtTitle"_s, u"Games"_s);
        TypeInto(link, u"txtURL"_s, u"games.html"_s);
        ClickButton(link, u"OK"_s);
    });
    ClickButton(window.get(), u"cmdLink_0"_s);
    EXPECT_EQ(Rows(), QStringList({u"Link 1 (1.html)"_s, u"Games (games.html)"_s}));
    EXPECT_EQ(SelectedRow(), 1);

    QString shown;
    ModalDriver edit([&](QWidget* link) {
        shown = link->findChild<QLineEdit*>(u"txtTitle"_s)->text();
        TypeInto(link, u"txtTitle"_s, u"Renamed"_s);
        ClickButton(link, u"OK"_s);
    });
    // The first click of a double click is a click of its own.
    auto* list = Child<QListWidget>(u"lstLinks"_s);
    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(shown, u"Link 1"_s);
    EXPECT_EQ(Rows().value(0), u"Renamed (1.html)"_s);
    PressCtrlS();
    EXPECT_EQ(
        SavedSettings().mid(30, 6),
        QStringList({u"Renamed"_s, u"ball.jpg"_s, u"1.html"_s, u"Games"_s, {}, u"games.html"_s}));
}

struct ColorCase {
    const char* name;
    int item; // mnuColors index
    QColor picked;
    QString button;
    QByteArray colors; // the colours of the saved page's body
};

using ColorCommands = EditorCases<ColorCase>;

// A colour reaches the page only on OK, and the preview only at the next preview.
TEST_P(ColorCommands, StoreTheChosenColourOnlyOnOk)
{
    const ColorCase& c = GetParam();
    WriteSettings(Page());
    Open();
    const QByteArray preview = Home(u"qzhometmp.html"_s);
    ModalDriver dialog([&](QWidget* colors) {
        qobject_cast<QColorDialog*>(colors)->setCurrentColor(c.picked);
        ClickButton(colors, c.button);
    });
    ClickButton(window.get(), u"cmdColors"_s);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* item = Child<QAction>(u"mnuColors_%1"_s.arg(c.item));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());

    EXPECT_TRUE(dialog.Ran());
    EXPECT_EQ(Home(u"qzhometmp.html"_s), preview);
    PressCtrlS();
    EXPECT_TRUE(Home(u"qzhome.html"_s).contains("<body background=\"sky.jpg\"" + c.colors + ">"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorCommands,
    ::testing::Values(
        ColorCase{"VisitedLink", 3, QColor(0x12, 0x34, 0x56), u"OK"_s,
                  " link=\"#000000\" vlink=\"#123456\" alink=\"#000000\""},
        ColorCase{"BlackIsASetColour", 0, Qt::black, u"OK"_s,
                  " bgcolor=\"#000000\" link=\"#000000\" vlink=\"#000000\" alink=\"#000000\""},
        ColorCase{"ActiveLink", 4, Qt::red, u"OK"_s,
                  " link=\"#000000\" vlink=\"#000000\" alink=\"#FF0000\""},
        ColorCase{"Cancel", 1, Qt::red, u"Cancel"_s,
                  " link=\"#000000\" vlink=\"#000000\" alink=\"#000000\""}),
    CaseName);

using Colors = EditorFixture;

TEST_F(Colors, CustomColoursLastFromOneDialogToTheNext)
{
    Open();
    basProcs::CustomColors().fill(0);
    ModalDriver first([](QWidget* colors) {
        qobject_cast<QColorDialog*>(colors)->setCurrentColor(QColor(0x10, 0x20, 0x30));
        ClickButton(colors, u"Add to Custom Colors"_s);
        ClickButton(colors, u"OK"_s);
    });
    Child<QAction>(u"mnuColors_1"_s)->trigger();
    QColor shown;
    ModalDriver second([&](QWidget* colors) {
        shown = QColorDialog::customColor(0);
        ClickButton(colors, u"Cancel"_s);
    });
    Child<QAction>(u"mnuColors_2"_s)->trigger();
    EXPECT_EQ(shown, QColor(0x10, 0x20, 0x30));
}

// The menu hangs from the button's bottom-left corner, wherever the window stands.
TEST_F(Colors, TheMenuOpensUnderTheButtonAndTheTriangleOpensNothing)
{
    Open();
    for (const QPoint& at : {QPoint(20, 30), QPoint(150, 90)}) {
        window->move(at);
        QTest::qWait(20);
        ClickButton(window.get(), u"cmdColors"_s);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_EQ(menu, Child(u"tmnuColors"_s));
        EXPECT_EQ(menu->pos(), window->centralWidget()->mapToGlobal(QPoint(6, 187)));
        menu->close();
    }

    QSignalSpy clicked(Child<QPushButton>(u"cmdColors"_s), &QPushButton::clicked);
    QTest::mouseClick(Child(u"picColor"_s), Qt::LeftButton, {}, QPoint(4, 2));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(clicked.count(), 0);

    const QImage triangle = Child<QLabel>(u"picColor"_s)->pixmap().toImage();
    for (int row = 0; row < 7; ++row) {
        int black = 0;
        for (int x = 0; x < triangle.width(); ++x)
            black += triangle.pixel(x, row) == qRgb(0, 0, 0) ? 1 : 0;
        EXPECT_EQ(black, std::max(0, 9 - 2 * row)) << "row " << row;
    }
}

} // namespace
