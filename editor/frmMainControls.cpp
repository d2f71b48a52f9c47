#include "editor/frmMainControls.h"

#include "editor/LinkRowDelegate.h"
#include "editor/LinksListModel.h"
#include "editor/usrHomeImages.h"
#include "toolkit/ControlArray.h"
#include "toolkit/LabelFor.h"
#include "toolkit/ListBox.h"
#include "toolkit/ScreenReader.h"
#include "toolkit/TextBox.h"
#include "toolkit/Twips.h"
#include "toolkit/WebBrowser.h"

#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
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

// A caption longer than the design's, as a translation may be, widens its label over the empty
// room to its right rather than lose its end.
QLabel* Label(QWidget* client, const QString& sName, const QString& sCaption, int iLeft, int iTop,
              int iWidth, int iHeight)
{
    auto* label = Place(new QLabel(sCaption, client), sName, iLeft, iTop, iWidth, iHeight);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QFont Font(const QString& sFamily, qreal pointSize)
{
    QFont font(sFamily);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The drop-down mark laid over "Set Colors", so that the plain button reads as a menu button.
// Drawn as a shape at the screen's own ratio of pixels, it is as sharp at any scale as at 1.
QPixmap DownTriangle(qreal ratio)
{
    QPixmap pixmap(QSize(10, 7) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({{0, 0}, {9, 0}, {4.5, 5}}));
    return pixmap;
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
    // Three pixels high with the line in the middle: a frame of one pixel falls between the
    // screen's pixels at scales such as 1.5, and nothing is drawn.
    Line1 = Place(new QFrame(client), u"Line1"_s, 135, 5085 - Twips::PerPixel, 2115,
                  3 * Twips::PerPixel);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    cmdUpdatePreview = Place(new QPushButton(tr("Update Preview"), client), u"cmdUpdatePreview"_s,
                             90, 5310, 2220, 420);
    ieBrowser = Place(new WebBrowser(client), u"ieBrowser"_s, 2430, 0, 5550, 6225);
    ieBrowser->setAccessibleName(tr("Preview"));
    SetupMenus(window);
}

void frmMainControls::SetupFields()
{
    lblTitle = Label(client, u"lblTitle_0"_s, tr("Page Title:"), 90, 90, 1410, 240);
    txtTitle = Place(new TextBox(client), u"txtTitle"_s, 90, 315, 2220, 285);
    lblName = Label(client, u"lblName"_s, tr("Name On Page:"), 90, 675, 1410, 240);
    txtName = Place(new TextBox(client), u"txtName"_s, 90, 900, 2220, 285);
    lblWallpaper = Label(client, u"lblWallpaper"_s, tr("Wallpaper:"), 90, 1260, 1410, 240);
    cmbWallpaper = Place(new usrHomeImages(client), u"cmbWallpaper"_s, 90, 1485, 2220, 315);
    Label1 = Label(client, u"Label1"_s, tr("Mouse Trails:"), 90, 1845, 1410, 240);
    cmbMouseTrails = Place(new usrHomeImages(client), u"cmbMouseTrails"_s, 90, 2070, 2220, 315);
    LabelFor(lblTitle, txtTitle);
    LabelFor(lblName, txtName);
    LabelFor(lblWallpaper, cmbWallpaper);
    LabelFor(Label1, cmbMouseTrails);
}

void frmMainControls::SetupColors()
{
    cmdColors = Place(new QPushButton(tr("Set Colors") + u"    "_s, client), u"cmdColors"_s, 90,
                      2475, 2220, 330);
    // The blanks only make room for the triangle; a screen reader speaks the words alone.
    cmdColors->setAccessibleName(cmdColors->text().trimmed());
    // Made after the button, so it lies on top of it; clicks on it reach no button.
    picColor = Place(new QLabel(client), u"picColor"_s, 1530, 2610, 150, 105);
    picColor->setPixmap(DownTriangle(picColor->devicePixelRatioF()));
    picColor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScreenReader::Decoration(picColor);
}

void frmMainControls::SetupLinks()
{
    lblLinks = Label(client, u"lblLinks"_s, tr("Links:"), 90, 2925, 825, 195);
    lstLinks = Place(new ListBox(client), u"lstLinks"_s, 90, 3150, 2220, 1230);
    LabelFor(lblLinks, lstLinks);
    lstLinksRows = new LinksListModel(lstLinks);
    lstLinks->setModel(lstLinksRows);
    // Every row is one line of text: the list need not measure them, which keeps long lists fast.
    lstLinks->setUniformItemSizes(true);
    // Pictures as small as a line of text, so the rows stay about one line high.
    lstLinks->setIconSize(QSize(16, 16));
    lstLinks->setItemDelegate(new LinkRowDelegate(lstLinks));
    lstLinks->setSelectionMode(QAbstractItemView::SingleSelection);
    // A row dragged elsewhere in the list is moved there; its rows refuse any other drop.
    lstLinks->setDragDropMode(QAbstractItemView::DragDrop);
    lstLinks->setDefaultDropAction(Qt::MoveAction);

    cmdLink = new ControlArray(u"cmdLink"_s, client);
    const QFont smallFont = Font(u"Small Fonts"_s, 6.75);
    // The arrows have no caption: they draw a symbol in a font of their own.
    const struct {
        LinkButton index;
        QString caption;
        int left;
        int width;
        char16_t symbol, arrow;
        QString toolTip;
    } buttons[] = {{cmdLinkAdd, tr("Add..."), 90, 540, 0, 0, {}},
                   {cmdLinkEdit, tr("Edit..."), 630, 540, 0, 0, {}},
                   {cmdLinkDel, tr("Del"), 1170, 540, 0, 0, {}},
                   {cmdLinkUp, {}, 1710, 315, 0xE1, u'\u2191', tr("Move Up")},
                   {cmdLinkDown, {}, 2025, 315, 0xE2, u'\u2193', tr("Move Down")}};
    for (const auto& b : buttons) {
        auto* button = cmdLink->Add(b.index, new QPushButton(b.caption, client));
        Twips::Place(button, b.left, 4410, b.width, 330);
        button->setToolTip(b.toolTip);
        // An arrow's symbol means nothing spoken: a screen reader says its tool tip instead.
        if (b.caption.isEmpty()) {
            SetArrow(button, b.symbol, b.arrow);
            button->setAccessibleName(b.toolTip);
        } else {
            button->setFont(smallFont);
        }
    }
}

void frmMainControls::SetupMenus(QMainWindow* window)
{
    // A caption "-" makes a plain separator line, with no text of its own to show. An open menu
    // is named for a screen reader by its title's words.
    const auto addItems = [window](QMenu* menu, ControlArray* items,
                                   const QList<std::pair<qint16, QString>>& captions) {
        menu->setAccessibleName(menu->title().remove(u'&'));
        for (const auto& [index, caption] : captions) {
            const bool separator = caption == u"-"_s;
            auto* action = items->Add(index, new QAction(separator ? QString() : caption, window));
            action->setSeparator(separator);
            menu->addAction(action);
        }
    };

    tmnuFile = window->menuBar()->addMenu(tr("&File"));
    tmnuFile->setObjectName(u"tmnuFile"_s);
    mnuFile = new ControlArray(u"mnuFile"_s, window);
    addItems(tmnuFile, mnuFile,
             {{mnuFileSave, tr("&Save")},
              {mnuFileSaveEnd, u"-"_s},
              {mnuFileImport, tr("Import Picture...")},
              {mnuFileOpenFolder, tr("Open Folder In Explorer")},
              {mnuFileImportLinks, tr("Import Links...")},
              {mnuFileCheckLinks, tr("&Check Links...")},
              {mnuFileExportPage, tr("&Export Page...")},
              {mnuFileImportPage, tr("I&mport Page...")},
              {mnuFileExitAbove, u"-"_s},
              {mnuFileExit, tr("E&xit")}});
    mnuFile->Item<QAction>(mnuFileSave)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    tmnuEdit = window->menuBar()->addMenu(tr("&Edit"));
    tmnuEdit->setObjectName(u"tmnuEdit"_s);
    mnuEdit = new ControlArray(u"mnuEdit"_s, window);
    addItems(tmnuEdit, mnuEdit,
             {{mnuEditUndo, tr("&Undo")},
              {mnuEditRedo, tr("&Redo")},
              {mnuEditPicturesMatchAbove, u"-"_s},
              {mnuEditPicturesMatch, tr("Make Link &Pictures Match")}});
    mnuEdit->Item<QAction>(mnuEditUndo)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEdit->Item<QAction>(mnuEditRedo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    ShowEditStep(mnuEditUndo, {});
    ShowEditStep(mnuEditRedo, {});

    tmnuColors = new QMenu(tr("Colors"), window);
    tmnuColors->setObjectName(u"tmnuColors"_s);
    mnuColors = new ControlArray(u"mnuColors"_s, window);
    addItems(tmnuColors, mnuColors,
             {{mnuColorsBackground, tr("Background...")},
              {mnuColorsText, tr("Text...")},
              {mnuColorsLink, tr("Link...")},
              {mnuColorsVisited, tr("Visited Link...")},
              {mnuColorsActive, tr("Active Link...")}});
}

void frmMainControls::ShowEditStep(EditMenuItem iItem, const QString& sStep) const
{
    auto* item = mnuEdit->Item<QAction>(iItem);
    const bool undo = iItem == mnuEditUndo;
    if (sStep.isEmpty())
        item->setText(undo ? tr("&Undo") : tr("&Redo"));
    else
        item->setText((undo ? tr("&Undo %1") : tr("&Redo %1")).arg(sStep));
    item->setEnabled(!sStep.isEmpty());
}

QList<QWidget*> frmMainControls::TabControls() const
{
    return {txtTitle,
            txtName,
            cmbWallpaper,
            cmdColors,
            lstLinks,
            cmdLink->Item<QPushButton>(cmdLinkAdd),
            cmdLink->Item<QPushButton>(cmdLinkEdit),
            cmdLink->Item<QPushButton>(cmdLinkDel),
            cmdLink->Item<QPushButton>(cmdLinkUp),
            cmdLink->Item<QPushButton>(cmdLinkDown),
            cmdUpdatePreview,
            ieBrowser,
            cmbMouseTrails};
}
