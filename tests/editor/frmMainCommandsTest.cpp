#include "editor/EditorFixture.h"
#include "editor/Thumbnails.h"
#include "editor/frmLink.h"
#include "toolkit/WebBrowser.h"
#include "toolkit/basProcsDialogs.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace
{

// Each edit of a parent's session reaches the saved files, the title still being typed included.
TEST_F(Editor, SavesEveryEditOfASession)
{
    CWebPage page = Page(2, u"gone.gif"_s);
    page.SetTitle(QString(40000, u'W')); // beyond the text box's own limit
    page.SetWallpaper(u"gone.jpg"_s);
    Open(page);
    // A long text reads from its start. A wallpaper that the folder lacks shows "(None)", and is
    // cleared only when the focus passes through its picker.
    EXPECT_EQ(Child<QLineEdit>(u"txtTitle"_s)->cursorPosition(), 0);
    EXPECT_EQ(Child<usrHomeImages>(u"cmbWallpaper"_s)->Text(), None);
    PressCtrlS();
    EXPECT_EQ(SavedSettings().value(1), page.Title());
    EXPECT_EQ(SavedSettings().value(3), u"gone.jpg"_s);
    Child(u"cmbWallpaper"_s)->setFocus();
    Child(u"cmbMouseTrails"_s)->setFocus();
    Choose(Child(u"cmbMouseTrails"_s)->findChild<QComboBox*>(), None);

    // A click on the triangle over the button reaches the triangle, which ignores it.
    QWidget* client = window->centralWidget();
    const QPoint triangle = Child(u"picColor"_s)->geometry().topLeft() + QPoint(4, 2);
    QTest::mouseClick(client->childAt(triangle), Qt::LeftButton, {}, QPoint(4, 2));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Black is stored as 0, a colour like any other; Cancel changes nothing. The custom colours
    // last from one dialog to the next.
    basProcs::CustomColors().fill(0);
    const QColor blue(0x12, 0x34, 0x56);
    const std::tuple<int, QColor, QString> colours[] = {
        {3, blue, u"OK"_s},        {0, Qt::black, u"OK"_s},     {1, Qt::red, u"Cancel"_s},
        {2, Qt::darkRed, u"OK"_s}, {4, Qt::darkGreen, u"OK"_s},
    };
    QList<QColor> customShown;
    for (const auto& [item, colour, button] : colours) {
        ModalDriver dialog([&](QWidget* box) {
            customShown << QColorDialog::customColor(0);
            qobject_cast<QColorDialog*>(box)->setCurrentColor(colour);
            if (customShown.size() == 1)
                ClickButton(box, u"Add to Custom Colors"_s);
            ClickButton(box, button);
        });
        ClickButton(window.get(), u"cmdColors"_s);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->pos(), client->mapToGlobal(QPoint(6, 187)));
        QAction* action = Child<QAction>(u"mnuColors_%1"_s.arg(item));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    EXPECT_EQ(customShown, QList<QColor>({Qt::black, blue, blue, blue, blue}));

    // A double click edits the link, whose picture shows as "(None)"; OK stores that as no
    // picture. The dialog's preview shows its fields, not the link's.
    ModalDriver edit([&](QWidget* link) {
        TypeInto(link, u"txtTitle"_s, u"  Dog  "_s);
        ClickButton(link, u"cmdUpdatePreview"_s);
        const QUrl preview = QUrl::fromLocalFile(app.NativeFile(u"home/qzhometmp2.html"_s));
        auto* browser = link->findChild<WebBrowser*>(u"ieBrowser"_s);
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser->url() == preview; }));
        ClickButton(link, u"OK"_s);
    });
    auto* list = Child<QListView>(u"lstLinks"_s);
    ClickItem(list, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(app.ReadFile(u"home/qzhometmp2.html"_s), Golden(u"link.html"_s));

    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    PressCtrlS();
    EXPECT_EQ(app.ReadFile(u"home/qzhome.dat"_s), Golden(u"session.dat"_s));
    EXPECT_EQ(app.ReadFile(u"home/qzhome.html"_s), Golden(u"session.html"_s));
}

// The rows as their links' numbers ("Link 2 (2.html)" reads 2, "New Link ()" N), and the selection.
std::pair<QString, int> RowsOf(const QListView* list)
{
    QString order;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString text = list->model()->index(row, 0).data().toString();
        order += text.section(u' ', 1, 1).replace(u"Link"_s, u"N"_s);
    }
    const auto selected = list->selectionModel()->selectedRows();
    return {order, selected.isEmpty() ? -1 : selected.first().row()};
}

// A dialog that opens shows its link, is changed and is cancelled: the link keeps what it had.
TEST_F(Editor, LinkCommandsChangeTheLinksAndSelectTheRowAfterwards)
{
    enum { Add, Edit, Del, Up, Down };
    const struct {
        int links, selected, button; // selected -1: no row; button: the cmdLink index
        std::pair<QString, int> after;
        bool rebuilt; // the list and the preview
    } cases[] = {
        {0, -1, Add, {u"N"_s, 0}, true},     {0, -1, Edit, {{}, -1}, false},
        {0, -1, Del, {{}, -1}, false},       {0, -1, Up, {{}, -1}, false},
        {0, -1, Down, {{}, -1}, false},      {1, 0, Up, {u"1"_s, 0}, false},
        {1, 0, Down, {u"1"_s, 0}, false},    {1, 0, Del, {{}, -1}, true},
        {1, -1, Edit, {u"1"_s, -1}, false},  {3, 1, Add, {u"123N"_s, 3}, true},
        {3, 1, Edit, {u"123"_s, 1}, true},   {3, 1, Del, {u"13"_s, -1}, true},
        {3, 0, Down, {u"213"_s, 1}, true},   {3, 2, Up, {u"132"_s, 1}, true},
        {3, 0, Up, {u"123"_s, 0}, false},    {3, 2, Down, {u"123"_s, 2}, false},
        {3, -1, Del, {u"123"_s, -1}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.links << ' ' << c.selected << ' ' << c.button);
        Open(Page(c.links));
        auto* list = Child<QListView>(u"lstLinks"_s);
        if (c.selected >= 0)
            ClickItem(list, c.selected);
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QString opened;
        ModalDriver dialog([&](QWidget* link) {
            opened = link->findChild<QLineEdit*>(u"txtTitle"_s)->text();
            TypeInto(link, u"txtTitle"_s, u"Changed"_s);
            ClickButton(link, u"Cancel"_s);
        });
        ClickButton(window.get(), u"cmdLink_%1"_s.arg(c.button));

        EXPECT_EQ(RowsOf(list), c.after);
        EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), c.rebuilt);
        EXPECT_EQ(opened, c.button == Add                       ? u"New Link"_s
                          : c.button == Edit && c.selected >= 0 ? u"Link %1"_s.arg(c.selected + 1)
                                                                : QString());
    }
}

// Drags a row of the list as the window system delivers a drag: into the list, then over a point
// of a widget, where it is let go if that widget takes it. (The headless platform runs no drags.)
void DragRow(QListView* list, int iRow, QWidget* target, QPoint at)
{
    const QModelIndex row = list->model()->index(iRow, 0);
    const std::unique_ptr<QMimeData> data(list->model()->mimeData({row}));
    QDragEnterEvent enter(list->visualRect(row).center(), Qt::MoveAction, data.get(),
                          Qt::LeftButton, {});
    QApplication::sendEvent(list->viewport(), &enter);
    if (target != list->viewport()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(list->viewport(), &leave);
        QDragEnterEvent over(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &over);
    }
    QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    if (move.isAccepted())
        QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
}

// A row dragged elsewhere moves its link as the arrow presses that take it there do: the same
// rows, the same preview, the moved row chosen. Let go where it stands or outside the list, it
// changes nothing.
TEST_F(Editor, DraggingARowMovesItsLinkAsTheArrowsDo)
{
    const struct {
        int row, onto; // onto: the row let go over; 4 the space below the rows, -1 the title box
        double height; // where in that row's height: above or below its middle
        int downs;     // the Move Down presses that give the same, negative for Move Up
    } cases[] = {
        {0, 4, 0.5, 3},   {0, 3, 0.75, 3}, {0, 2, 0.25, 1},
        {3, 1, 0.25, -2}, {2, 2, 0.25, 0}, {0, -1, 0.5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.row << " onto " << c.onto << ' ' << c.height);
        Open(Page(4));
        auto* list = Child<QListView>(u"lstLinks"_s);
        ClickItem(list, c.row);
        for (int press = 0; press < std::abs(c.downs); ++press)
            ClickButton(window.get(), c.downs > 0 ? u"cmdLink_4"_s : u"cmdLink_3"_s);
        const auto pressed = RowsOf(list);
        const QByteArray preview = app.ReadFile(u"home/qzhometmp.html"_s);

        Open(Page(4));
        list = Child<QListView>(u"lstLinks"_s);
        ClickItem(list, c.row);
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QWidget* target = c.onto < 0 ? Child(u"txtTitle"_s) : list->viewport();
        // The rows are of one height; a row 4 would stand in the space below them.
        const QRect last = list->visualRect(list->model()->index(3, 0));
        const QRect area =
            c.onto < 0 ? target->rect() : last.translated(0, (c.onto - 3) * last.height());
        DragRow(list, c.row, target,
                {area.center().x(), area.top() + int(area.height() * c.height)});

        EXPECT_EQ(RowsOf(list), pressed);
        EXPECT_EQ(app.ReadFile(u"home/qzhometmp.html"_s), c.downs ? preview : QByteArray());
    }
}

// Each row shows its link's picture once read, and the list is told; a picture that is gone
// shows the placeholder, a link without one no picture.
TEST_F(Editor, LinkRowsShowTheirPictures)
{
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(app.NativeFile(u"home/red.bmp"_s));
    CWebPage page = Page(3, u"red.bmp"_s);
    page.Links().Item(2)->SetMainPicture(u"gone.gif"_s);
    page.Links().Item(3)->SetMainPicture({});
    Open(page);
    QAbstractItemModel* rows = Child<QListView>(u"lstLinks"_s)->model();
    QSignalSpy changed(rows, &QAbstractItemModel::dataChanged);
    const auto icon = [rows](int iRow) {
        return rows->index(iRow, 0).data(Qt::DecorationRole).value<QIcon>();
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return icon(0).pixmap(16).toImage().pixelColor(4, 4) == QColor(Qt::red); }));
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toModelIndex().row(), 0);
    EXPECT_EQ(icon(1).cacheKey(), Thumbnails::Shared().Placeholder().cacheKey());
    EXPECT_TRUE(icon(2).isNull());
}

// A picture gone from the folder shows "(None)": Enter stores no picture, the rest keep it.
TEST_F(Editor, TheLinkDialogWritesTheLinkOnlyOnOk)
{
    for (const QString& way : {u"Enter"_s, u"Cancel"_s, u"Esc"_s, u"close"_s}) {
        SCOPED_TRACE(way.toStdString());
        Open(Page(1, u"gone.gif"_s));
        ModalDriver dialog([&](QWidget* link) {
            TypeInto(link, u"txtTitle"_s, u"  Dog  "_s);
            TypeInto(link, u"txtURL"_s, u" http://dog/ "_s);
            if (way == u"close"_s)
                link->close();
            else if (way == u"Cancel"_s)
                ClickButton(link, way);
            else
                PressKey(link, way == u"Enter"_s ? Qt::Key_Return : Qt::Key_Escape);
        });
        ClickItem(Child<QListView>(u"lstLinks"_s), 0);
        ClickButton(window.get(), u"cmdLink_1"_s);

        PressCtrlS();
        EXPECT_EQ(SavedSettings().mid(30, 3),
                  way == u"Enter"_s ? QStringList({u"  Dog  "_s, {}, u" http://dog/ "_s})
                                    : QStringList({u"Link 1"_s, u"gone.gif"_s, u"1.html"_s}));
    }
}

} // namespace
