#include "editor/frmMainControls.h"

#include "editor/LinksListModel.h"
#include "editor/usrHomeImages.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Twips.h"
#include "toolkit/WebBrowser.h"

#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace
{

template <class T>
T* Place(T* control, const QString& sName, int iLeft, int iTop, int iWidth, int iHeight)
{
    control->setObjectName(sName);
    Twips::Place(control, iLeft, iTop, iWidth, iHeight);
    return control;
}

QLabel* Label(QWidget* client, const QString& sName, const QString& sCaption, int iLeft, int iTop,
              int iWidth, int iHeight)
{
    return Place(new QLabel(sCaption, client), sName, iLeft, iTop, iWidth, iHeight);
}

QFont Font(const QString& sFamily, qreal pointSize)
{
    QFont font(sFamily);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A black triangle pointing down, rows of 9, 7, 5, 3 and 1 pixels, in the top-left corner of a
// transparent picture of 10 x 7 pixels.
QPixmap DownTriangle()
{
    QImage image(10, 7, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 5; ++row) {
        for (int x = row; x < 9 - row; ++x)
            image.setPixel(x, row, qRgb(0, 0, 0));
    }
    return QPixmap::fromImage(image);
}

// The arrow buttons draw their arrows in the symbol font where it exists, else as the arrows of
// the character set.
void SetArrow(QPushButton* button, char16_t symbol, char16_t unicode)
{
    static const bool haveSymbols = QFontDatabase::families().contains(u"Wingdings"_s);
    if (haveSymbols) {
        button->setFont(Font(u"Wingdings"_s, 8.25));
        button->setText(QString(QChar(symbol)));
    } else {
        button->setText(QString(QChar(unicode)));
    }
}

// A control made of others takes the focus in the child that it passes the focus to.
QWidget* FocusTaker(QWidget* control)
{
    return control->focusProxy() ? control->focusProxy() : control;
}

} // namespace

void frmMainControls::SetupUi(QMainWindow* window)
{
    window->setObjectName(u"frmMain"_s);
    client = new QWidget(window);
    client->setObjectName(u"client"_s);
    client->setFont(Font(u"MS Sans Serif"_s, 8.25));
    window->setCentralWidget(client);
    SetupFields();
    SetupColors();
    SetupLinks();
    Line1 = Place(new QFrame(client), u"Line1"_s, 135, 5085, 2115, Twips::PerPixel);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    cmdUpdatePreview = Place(new QPushButton(u"Update Preview"_s, client), u"cmdUpdatePreview"_s,
                             90, 5310, 2220, 420);
    ieBrowser = Place(new WebBrowser(client), u"ieBrowser"_s, 2430, 0, 5550, 6225);
    SetupMenus(window);
}

void frmMainControls::SetupFields()
{
    lblTitle = Label(client, u"lblTitle_0"_s, u"Page Title:"_s, 90, 90, 1410, 240);
    txtTitle = Place(new QLineEdit(client), u"txtTitle"_s, 90, 315, 2220, 285);
    lblName = Label(client, u"lblName"_s, u"Name On Page:"_s, 90, 675, 1410, 240);
    txtName = Place(new QLineEdit(client), u"txtName"_s, 90, 900, 2220, 285);
    lblWallpaper = Label(client, u"lblWallpaper"_s, u"Wallpaper:"_s, 90, 1260, 1410, 240);
    cmbWallpaper = Place(new usrHomeImages(client), u"cmbWallpaper"_s, 90, 1485, 2220, 315);
    Label1 = Label(client, u"Label1"_s, u"Mouse Trails:"_s, 90, 1845, 1410, 240);
    cmbMouseTrails = Place(new usrHomeImages(client), u"cmbMouseTrails"_s, 90, 2070, 2220, 315);
}

void frmMainControls::SetupColors()
{
    cmdColors =
        Place(new QPushButton(u"Set Colors    "_s, client), u"cmdColors"_s, 90, 2475, 2220, 330);
    // Made after the button, so it lies on top of it; clicks on it reach no button.
    picColor = Place(new QLabel(client), u"picColor"_s, 1530, 2610, 150, 105);
    picColor->setPixmap(DownTriangle());
    picColor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmMainControls::SetupLinks()
{
    lblLinks = Label(client, u"lblLinks"_s, u"Links:"_s, 90, 2925, 825, 195);
    lstLinks = Place(new QListView(client), u"lstLinks"_s, 90, 3150, 2220, 1230);
    lstLinksRows = new LinksListModel(lstLinks);
    lstLinks->setModel(lstLinksRows);
    // Every row is one line of text: the list need not measure them, which keeps long lists fast.
    lstLinks->setUniformItemSizes(true);
    lstLinks->setSelectionMode(QAbstractItemView::SingleSelection);
    // A row dragged elsewhere in the list is moved there; its rows refuse any other drop.
    lstLinks->setDragDropMode(QAbstractItemView::DragDrop);
    lstLinks->setDefaultDropAction(Qt::MoveAction);

    cmdLink = new ControlArray(u"cmdLink"_s, client);
    const QFont smallFont = Font(u"Small Fonts"_s, 6.75);
    const struct {
        QString caption;
        int left;
        int width;
    } buttons[] = {{u"Add..."_s, 90, 540},
                   {u"Edit..."_s, 630, 540},
                   {u"Del"_s, 1170, 540},
                   {QString(), 1710, 315},
                   {QString(), 2025, 315}};
    for (qint16 index = 0; index < qint16(std::size(buttons)); ++index) {
        auto* button = cmdLink->Add(index, new QPushButton(buttons[index].caption, client));
        Twips::Place(button, buttons[index].left, 4410, buttons[index].width, 330);
        if (!buttons[index].caption.isEmpty())
            button->setFont(smallFont);
    }
    // The arrows take a font of their own.
    SetArrow(cmdLink->Item<QPushButton>(3), 0xE1, u'\u2191');
    cmdLink->Item<QPushButton>(3)->setToolTip(u"Move Up"_s);
    SetArrow(cmdLink->Item<QPushButton>(4), 0xE2, u'\u2193');
    cmdLink->Item<QPushButton>(4)->setToolTip(u"Move Down"_s);
}

void frmMainControls::SetupMenus(QMainWindow* window)
{
    const auto addItems = [window](QMenu* menu, ControlArray* items,
                                   const QList<std::pair<qint16, QString>>& captions) {
        for (const auto& [index, caption] : captions) {
            auto* action = items->Add(index, new QAction(caption, window));
            action->setSeparator(caption == u"-"_s);
            menu->addAction(action);
        }
    };

    tmnuFile = window->menuBar()->addMenu(u"&File"_s);
    tmnuFile->setObjectName(u"tmnuFile"_s);
    mnuFile = new ControlArray(u"mnuFile"_s, window);
    addItems(tmnuFile, mnuFile,
             {{10, u"&Save"_s},
              {15, u"-"_s},
              {16, u"Import Picture..."_s},
              {17, u"Open Folder In Explorer"_s},
              {19, u"-"_s},
              {20, u"E&xit"_s}});
    mnuFile->Item<QAction>(10)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    tmnuColors = new QMenu(u"Colors"_s, window);
    tmnuColors->setObjectName(u"tmnuColors"_s);
    mnuColors = new ControlArray(u"mnuColors"_s, window);
    addItems(tmnuColors, mnuColors,
             {{0, u"Background..."_s},
              {1, u"Text..."_s},
              {2, u"Link..."_s},
              {3, u"Visited Link..."_s},
              {4, u"Active Link..."_s}});
}

void frmMainControls::SetupTabOrder()
{
    QWidget* const order[] = {txtTitle,
                              txtName,
                              FocusTaker(cmbWallpaper),
                              cmdColors,
                              lstLinks,
                              cmdLink->Item<QPushButton>(0),
                              cmdLink->Item<QPushButton>(1),
                              cmdLink->Item<QPushButton>(2),
                              cmdLink->Item<QPushButton>(3),
                              cmdLink->Item<QPushButton>(4),
                              cmdUpdatePreview,
                              FocusTaker(ieBrowser),
                              FocusTaker(cmbMouseTrails)};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
