#include "editor/EditorFixture.h"
#include "toolkit/basProcsDialogs.h"

#include <QMimeData>

// Each edit of a parent's session reaches the saved files, the heading still being typed included.
TEST_F(Editor, SavesEveryEditOfASession)
{
    CWebPage page = Page(2, u"gone.gif"_s);
    page.SetTitle(QString(40000, u'W')); // beyond the text box's own limit
    page.SetWallpaper(u"gone.jpg"_s);
    page.SetBackcolor(0x0000ff), page.SetLinkColor(0xff0000), page.SetVLinkColor(0x00ff00);
    page.SetALinkColor(0x808080);
    Open(page);
    // A wallpaper the folder lacks shows "(None)", cleared only when the focus passes through.
    EXPECT_EQ(Child<usrHomeImages>(u"cmbWallpaper"_s)->Text(), None);
    PressCtrlS();
    EXPECT_TRUE(
        Home(u"qzhome.dat"_s)
            .contains(page.Title().toString().toLatin1() + "\"\r\n\"Welcome\"\r\n\"gone.jpg\""));
    Child(u"cmbWallpaper"_s)->setFocus();
    Child(u"cmbMouseTrails"_s)->setFocus();
    Choose(Child(u"cmbMouseTrails"_s)->findChild<QComboBox*>(), None);

    // Each colour starts on its own; black is 0, a colour like any other; Cancel changes nothing;
    // custom colours carry over. The text colour is unset: the dialog starts on white.
    basProcs::CustomColors().fill(0);
    const QColor blue(0x12, 0x34, 0x56);
    const std::tuple<int, QColor, QString, QColor> colours[] = {
        {3, blue, u"OK"_s, Qt::green},
        {0, Qt::black, u"OK"_s, Qt::red},
        {1, Qt::red, u"Cancel"_s, Qt::white},
        {2, Qt::darkRed, u"OK"_s, Qt::blue},
        {4, Qt::darkGreen, u"OK"_s, QColor(0x80, 0x80, 0x80)},
    };
    QList<QColor> customShown;
    for (const auto& [item, colour, button, start] : colours) {
        ModalDriver dialog([&](QWidget* box) {
            customShown << QColorDialog::customColor(0);
            EXPECT_EQ(qobject_cast<QColorDialog*>(box)->currentColor(), start) << item;
            qobject_cast<QColorDialog*>(box)->setCurrentColor(colour);
            if (customShown.size() == 1)
                ClickButton(box, u"Add to Custom Colors"_s);
            ClickButton(box, button);
        });
        EXPECT_EQ(ChooseColorsItem(window.get(), item),
                  window->centralWidget()->mapToGlobal(QPoint(6, 187)));
    }
    EXPECT_EQ(customShown, QList<QColor>({Qt::black, blue, blue, blue, blue}));

    // A double click edits the link; a missing picture is stored as none; the preview shows fields.
    ModalDriver edit([&](QWidget* link) {
        TypeInto(link, u"txtTitle"_s, u"  Dog  "_s);
        ClickButton(link, u"cmdUpdatePreview"_s);
        const QUrl preview = QUrl::fromLocalFile(app.NativeFile(u"home/qzhometmp2.html"_s));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return link->findChild<WebBrowser*>()->url() == preview; }));
        ClickButton(link, u"OK"_s);
    });
    auto* list = Child<QListView>(u"lstLinks"_s);
    ClickItem(list, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(Home(u"qzhometmp2.html"_s), Golden(u"link.html"_s));

    TypeInto(window.get(), u"txtTitle"_s, u"Our Page"_s);
    TypeInto(window.get(), u"txtName"_s, u"Hello"_s);
    PressCtrlS();
    EXPECT_EQ(Home(u"qzhome.dat"_s) + Home(u"qzhome.html"_s),
              Golden(u"session.dat"_s) + Golden(u"session.html"_s));
}

// The rows as their links' numbers (N for "New Link"), then the row chosen, if any: "132 1".
static QString RowsOf(const QListView* list)
{
    QString rows;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        rows += list->model()->index(row, 0).data().toString().section(u' ', 1, 1).left(1);
    const auto selected = list->selectionModel()->selectedRows();
    return rows.replace(u'L', u'N') +
           (selected.isEmpty() ? QString() : u' ' + QString::number(selected.first().row()));
}

// The dialog shows its link; only Enter (OK) writes the change, not Cancel, Esc or the close box.
// A click below the last row keeps the chosen row, as a list box does.
TEST_F(Editor, LinkCommandsChangeTheLinksAndSelectTheRowAfterwards)
{
    enum { Add, Edit, Del, Up, Down, Cancel = 0, Enter, Esc, Close };
    const QString N = u"New Link"_s, L1 = u"Link 1"_s, L2 = u"Link 2"_s;
    const struct {
        int links, selected, button; // selected -1: no row; button: the cmdLink index
        QString after;
        bool rebuilt;   // the list and the preview
        int way;        // how the dialog is closed
        QString opened; // the caption the dialog showed, empty when none opened
        bool below;     // a click below the last row before the button
    } cases[] = {{0, -1, Add, u"N 0"_s, true, Cancel, N, false},
                 {0, -1, Edit, {}, false, Cancel, {}, false},
                 {0, -1, Del, {}, false, Cancel, {}, false},
                 {0, -1, Up, {}, false, Cancel, {}, false},
                 {0, -1, Down, {}, false, Cancel, {}, false},
                 {1, 0, Up, u"1 0"_s, false, Cancel, {}, false},
                 {1, 0, Down, u"1 0"_s, false, Cancel, {}, false},
                 {1, 0, Del, {}, true, Cancel, {}, false},
                 {1, -1, Edit, u"1"_s, false, Cancel, {}, false},
                 {3, 1, Add, u"123N 3"_s, true, Cancel, N, false},
                 {3, 1, Edit, u"123 1"_s, true, Cancel, L2, false},
                 {3, 1, Del, u"13"_s, true, Cancel, {}, false},
                 {3, 0, Down, u"213 1"_s, true, Cancel, {}, false},
                 {3, 2, Up, u"132 1"_s, true, Cancel, {}, false},
                 {3, 0, Up, u"123 0"_s, false, Cancel, {}, false},
                 {3, 2, Down, u"123 2"_s, false, Cancel, {}, false},
                 {3, -1, Del, u"123"_s, false, Cancel, {}, false},
                 {1, 0, Edit, u"9 0"_s, true, Enter, L1, false},
                 {1, 0, Edit, u"1 0"_s, true, Esc, L1, false},
                 {1, 0, Edit, u"1 0"_s, true, Close, L1, false},
                 {3, 1, Edit, u"123 1"_s, true, Cancel, L2, true},
                 {3, 1, Del, u"13"_s, true, Cancel, {}, true},
                 {3, 0, Down, u"213 1"_s, true, Cancel, {}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Open(Page(c.links));
        auto* list = Child<QListView>(u"lstLinks"_s);
        if (c.selected >= 0)
            ClickItem(list, c.selected);
        if (c.below)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->viewport()->rect().bottomLeft() + QPoint(30, -3));
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QString opened;
        ModalDriver dialog([&](QWidget* link) {
            opened = link->findChild<QLineEdit*>(u"txtTitle"_s)->text();
            TypeInto(link, u"txtTitle"_s, u"Link 9"_s);
            if (c.way == Close)
                link->close();
            else if (c.way == Cancel)
                ClickButton(link, u"Cancel"_s);
            else
                PressKey(link, c.way == Enter ? Qt::Key_Return : Qt::Key_Escape);
        });
        ClickButton(window.get(), u"cmdLink_%1"_s.arg(c.button));

        EXPECT_EQ(RowsOf(list), c.after);
        EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), c.rebuilt);
        EXPECT_EQ(opened, c.opened);
    }
}

// A row dragged elsewhere moves its link there and is chosen; let go where it stands or outside
// the list, nothing changes. The events are sent, as the headless platform runs no drags.
TEST_F(Editor, DraggingARowMovesItsLink)
{
    const struct {
        int row, onto; // onto: the row let go over; 4 the space below the rows, -1 the title box
        double height; // where in that row's height: above or below its middle
        QString after;
    } cases[] = {
        {0, 4, 0.5, u"2341 3"_s},  {0, 3, 0.75, u"2341 3"_s}, {0, 2, 0.25, u"2134 1"_s},
        {3, 1, 0.25, u"1423 1"_s}, {2, 2, 0.25, u"1234 2"_s}, {0, -1, 0.5, u"1234 0"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Open(Page(4));
        auto* list = Child<QListView>(u"lstLinks"_s);
        ClickItem(list, c.row);
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QWidget* target = c.onto < 0 ? Child(u"txtTitle"_s) : list->viewport();
        const QRect last = list->visualRect(list->model()->index(3, 0));
        const QRect area =
            c.onto < 0 ? target->rect() : last.translated(0, (c.onto - 3) * last.height());
        const QPoint at(area.center().x(), area.top() + int(area.height() * c.height));
        const std::unique_ptr<QMimeData> data(
            list->model()->mimeData({list->model()->index(c.row, 0)}));
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (QApplication::sendEvent(target, &move), move.isAccepted())
            QApplication::sendEvent(target, &drop);
        QApplication::processEvents();

        EXPECT_EQ(RowsOf(list), c.after);
        EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), !c.after.startsWith(u"1234"_s));
    }
}

// Each row is as wide as the widest, whichever row is short: none is cut, the list scrolls.
TEST_F(Editor, EveryLinkRowShowsItsWholeText)
{
    const QString wide = u"A caption wider than the list, with its address "_s;
    for (const QStringList& names : {QStringList{wide, wide, {}}, QStringList{{}, {}, wide}}) {
        SCOPED_TRACE(qPrintable(names.join(u'|')));
        CWebPage page = Page(3);
        for (int position = 1; position <= 3; ++position)
            page.Links().Item(position)->SetName(names.at(position - 1));
        page.Links().Item(3)->SetMainLink({});
        Open(page);
        const auto* list = Child<QListView>(u"lstLinks"_s);
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            const QRect shown = list->visualRect(index);
            EXPECT_GE(shown.width(), metrics.horizontalAdvance(index.data().toString()) +
                                         list->iconSize().width());
            EXPECT_EQ(shown.width(), list->visualRect(list->model()->index(0, 0)).width());
        }
    }
}
