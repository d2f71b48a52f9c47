#include "editor/EditorFixture.h"

#include <QMimeData>
#include <QRegularExpression>

// Each edit of a user's session reaches the saved files, the heading still being typed included.
TEST_F(Editor, SavesEveryEditOfASession)
{
    CWebPage page = Page(2, u"gone.gif"_s);
    page.SetTitle(QString(40000, u'W')); // beyond the text box's own limit
    page.SetWallpaper(u"gone.jpg"_s);
    page.SetBackcolor(0x0000ff), page.SetLinkColor(0xff0000), page.SetVLinkColor(0x00ff00);
    page.SetALinkColor(0x00ffff);
    Open(page);
    // A wallpaper the folder lacks shows "(None)", cleared only when the focus passes through.
    EXPECT_EQ(Child<usrHomeImages>(u"cmbWallpaper"_s)->Text(), None);
    PressCtrlS();
    EXPECT_TRUE(Home(u"qzhome.dat"_s)
                    .contains(page.Title().toLatin1() + "\"\r\n\"Welcome\"\r\n\"gone.jpg\""));
    Child(u"cmbWallpaper"_s)->setFocus();
    Child(u"cmbMouseTrails"_s)->setFocus();
    Choose(Child(u"cmbMouseTrails"_s)->findChild<QComboBox*>(), None);

    // Each colour starts on its own (the text colour is unset: white); black is 0, a colour like
    // any other; Cancel changes nothing.
    const QColor blue(0x12, 0x34, 0x56);
    const std::tuple<int, QColor, QString, QColor> colours[] = {
        {3, blue, u"OK"_s, Qt::green},
        {0, Qt::black, u"OK"_s, Qt::red},
        {1, Qt::red, u"Cancel"_s, Qt::white},
        {2, Qt::darkRed, u"OK"_s, Qt::blue},
        {4, Qt::darkGreen, u"OK"_s, Qt::yellow}};
    const QByteArray preview = Home(u"qzhometmp.html"_s);
    for (const auto& [item, colour, button, start] : colours) {
        ModalDriver dialog([&](QWidget* box) {
            EXPECT_EQ(qobject_cast<QColorDialog*>(box)->currentColor(), start) << item;
            qobject_cast<QColorDialog*>(box)->setCurrentColor(colour);
            ClickButton(box, button);
        });
        EXPECT_EQ(ChooseColorsItem(window.get(), item),
                  window->centralWidget()->mapToGlobal(QPoint(6, 187)));
    }
    // A field committed and a colour chosen show at the next preview: neither writes it.
    EXPECT_EQ(Home(u"qzhometmp.html"_s), preview);

    // A double click edits the link; a missing picture is stored as none; the preview shows fields.
    ModalDriver edit([&](QWidget* link) {
        TypeInto(link, u"txtTitle"_s, u"  Dog  "_s);
        ClickButton(link, u"cmdUpdatePreview"_s);
        const QUrl preview = QUrl::fromLocalFile(app.NativeFile(u"home/qzhometmp2.html"_s));
        const auto shown = [&] { return link->findChild<WebBrowser*>()->url() == preview; };
        EXPECT_TRUE(QTest::qWaitFor(shown, 20000)); // a busy machine takes its time
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

// The rows as their links' numbers (N for "New Link"), then the row chosen, if any: "132 @1".
static QString RowsOf(const QListView* list)
{
    static const QRegularExpression caption(u"\\w+ (\\w)\\w*( \\(.*?\\))?\\|?"_s);
    return Rows(list).replace(caption, u"\\1"_s).replace(u'L', u'N');
}

// The dialog shows its link; only Enter (OK) writes the change, not Cancel, Esc or the close box.
// Each case clicks below the last row first, which keeps the chosen row, as in a list box.
TEST_F(Editor, LinkCommandsChangeTheLinksAndSelectTheRowAfterwards)
{
    enum { Add, Edit, Del, Up, Down, Cancel = 0, Enter, Esc, Close };
    const QString N = u"New Link"_s, L1 = u"Link 1"_s, L2 = u"Link 2"_s;
    // The links, the row chosen (-1: none), the cmdLink pressed; the rows afterwards, the caption
    // the dialog showed if it opened, whether the list and preview were rebuilt, how the dialog
    // closed.
    const std::tuple<int, int, int, QString, QString, bool, int> cases[] = {
        {0, -1, Add, u"N @0"_s, N, true, Cancel},    {0, -1, Edit, {}, {}, false, Cancel},
        {0, -1, Del, {}, {}, false, Cancel},         {0, -1, Up, {}, {}, false, Cancel},
        {0, -1, Down, {}, {}, false, Cancel},        {1, 0, Up, u"1 @0"_s, {}, false, Cancel},
        {1, 0, Down, u"1 @0"_s, {}, false, Cancel},  {1, 0, Del, {}, {}, true, Cancel},
        {1, -1, Edit, u"1"_s, {}, false, Cancel},    {3, 1, Add, u"123N @3"_s, N, true, Cancel},
        {3, 1, Edit, u"123 @1"_s, L2, true, Cancel}, {3, 1, Del, u"13"_s, {}, true, Cancel},
        {3, 0, Down, u"213 @1"_s, {}, true, Cancel}, {3, 2, Up, u"132 @1"_s, {}, true, Cancel},
        {3, 0, Up, u"123 @0"_s, {}, false, Cancel},  {3, 2, Down, u"123 @2"_s, {}, false, Cancel},
        {3, -1, Del, u"123"_s, {}, false, Cancel},   {1, 0, Edit, u"9 @0"_s, L1, true, Enter},
        {1, 0, Edit, u"1 @0"_s, L1, true, Esc},      {1, 0, Edit, u"1 @0"_s, L1, true, Close}};
    for (const auto& [links, selected, button, after, caption, rebuilt, way] : cases) {
        SCOPED_TRACE(
            u"%1 links, row %2, button %3"_s.arg(links).arg(selected).arg(button).toStdString());
        Open(Page(links));
        auto* list = Child<QListView>(u"lstLinks"_s);
        if (selected >= 0)
            ClickItem(list, selected);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->viewport()->rect().bottomLeft() + QPoint(30, -3));
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QString opened;
        ModalDriver dialog([&](QWidget* link) {
            opened = link->findChild<QLineEdit*>(u"txtTitle"_s)->text();
            TypeInto(link, u"txtTitle"_s, u"Link 9"_s);
            if (way == Close)
                link->close();
            else if (way == Cancel)
                ClickButton(link, u"Cancel"_s);
            else
                PressKey(link, way == Enter ? Qt::Key_Return : Qt::Key_Escape);
        });
        ClickButton(window.get(), u"cmdLink_%1"_s.arg(button));

        EXPECT_EQ(RowsOf(list), after);
        EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), rebuilt);
        EXPECT_EQ(opened, caption);
    }
}

// A row dragged elsewhere moves its link there and is chosen; let go where it stands or outside
// the list, nothing changes. The events are sent, as the headless platform runs no drags.
TEST_F(Editor, DraggingARowMovesItsLink)
{
    // The row dragged, the row let go over (4: the space below the rows, -1: the title box), where
    // in that row's height, and the rows afterwards.
    const std::tuple<int, int, double, QString> cases[] = {
        {0, 4, 0.5, u"2341 @3"_s},  {0, 3, 0.75, u"2341 @3"_s}, {0, 2, 0.25, u"2134 @1"_s},
        {3, 1, 0.25, u"1423 @1"_s}, {2, 2, 0.25, u"1234 @2"_s}, {0, -1, 0.5, u"1234 @0"_s},
    };
    for (const auto& [row, onto, height, after] : cases) {
        SCOPED_TRACE(u"%1 onto %2 at %3"_s.arg(row).arg(onto).arg(height).toStdString());
        Open(Page(4));
        auto* list = Child<QListView>(u"lstLinks"_s);
        ClickItem(list, row);
        QFile::remove(app.NativeFile(u"home/qzhometmp.html"_s));
        QWidget* target = onto < 0 ? Child(u"txtTitle"_s) : list->viewport();
        const QRect last = list->visualRect(list->model()->index(3, 0));
        const QRect area =
            onto < 0 ? target->rect() : last.translated(0, (onto - 3) * last.height());
        const QPoint at(area.center().x(), area.top() + int(area.height() * height));
        const std::unique_ptr<QMimeData> data(
            list->model()->mimeData({list->model()->index(row, 0)}));
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (QApplication::sendEvent(target, &move), move.isAccepted())
            QApplication::sendEvent(target, &drop);
        QApplication::processEvents();

        EXPECT_EQ(RowsOf(list), after);
        EXPECT_EQ(app.Exists(u"home/qzhometmp.html"_s), !after.startsWith(u"1234"_s));
    }
}
