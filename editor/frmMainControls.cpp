#include "editor/frmMainControls.h"

#include "editor/LinkRowDelegate.h"
#include "editor/LinksListModel.h"
#include "editor/usrHomeImages.h"
#include "toolkit/ControlArray.h"
#include "toolkit/ControlTable.h"
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
    Line1 = new QFrame(client);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    cmdUpdatePreview = new QPushButton(tr("Update Preview"), client);
    ieBrowser = new WebBrowser(client);
    ieBrowser->setAccessibleName(tr("Preview"));
    PlaceControls();
    SetupMenus(window);
}

void frmMainControls::SetupFields()
{
    lblTitle = new QLabel(tr("Page Title:"), client);
    txtTitle = new TextBox(client);
    lblName = new QLabel(tr("Name On Page:"), client);
    txtName = new TextBox(client);
    lblWallpaper = new QLabel(tr("Wallpaper:"), client);
    cmbWallpaper = new usrHomeImages(client);
    Label1 = new QLabel(tr("Mouse Trails:"), client);
    cmbMouseTrails = new usrHomeImages(client);
    LabelFor(lblTitle, txtTitle);
    LabelFor(lblName, txtName);
    LabelFor(lblWallpaper, cmbWallpaper);
    LabelFor(Label1, cmbMouseTrails);
}

void frmMainControls::SetupColors()
{
    cmdColors = new QPushButton(tr("Set Colors") + u"    "_s, client);
    // The blanks only make room for the triangle; a screen reader speaks the words alone.
    cmdColors->setAccessibleName(cmdColors->text().trimmed());
    // Made after the button, so it lies on top of it; clicks on it reach no button.
    picColor = new QLabel(client);
    picColor->setPixmap(DownTriangle(picColor->devicePixelRatioF()));
    picColor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScreenReader::Decoration(picColor);
}

void frmMainControls::SetupLinks()
{
    lblLinks = new QLabel(tr("Links:"), client);
    lstLinks = new ListBox(client);
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
        char16_t symbol, arrow;
        QString toolTip;
    } buttons[] = {{cmdLinkAdd, tr("Add..."), 0, 0, {}},
                   {cmdLinkEdit, tr("Edit..."), 0, 0, {}},
                   {cmdLinkDel, tr("Del"), 0, 0, {}},
                   {cmdLinkUp, {}, 0xE1, u'\u2191', tr("Move Up")},
                   {cmdLinkDown, {}, 0xE2, u'\u2193', tr("Move Down")}};
    for (const auto& b : buttons) {
        auto* button = cmdLink->Add(b.index, new QPushButton(b.caption, client));
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

void frmMainControls::PlaceControls()
{
    const auto link = [this](LinkButton iIndex) { return cmdLink->Item<QPushButton>(iIndex); };
    // In tab order, "Mouse Trails" last. The link buttons are named by their array.
    tabControls = ControlTable::Setup({
        {lblTitle, u"lblTitle_0"_s, {90, 90, 1410, 240}},
        {txtTitle, u"txtTitle"_s, {90, 315, 2220, 285}},
        {lblName, u"lblName"_s, {90, 675, 1410, 240}},
        {txtName, u"txtName"_s, {90, 900, 2220, 285}},
        {lblWallpaper, u"lblWallpaper"_s, {90, 1260, 1410, 240}},
        {cmbWallpaper, u"cmbWallpaper"_s, {90, 1485, 2220, 315}},
        {cmdColors, u"cmdColors"_s, {90, 2475, 2220, 330}},
        {picColor, u"picColor"_s, {1530, 2610, 150, 105}},
        {lblLinks, u"lblLinks"_s, {90, 2925, 825, 195}},
        {lstLinks, u"lstLinks"_s, {90, 3150, 2220, 1230}},
        {link(cmdLinkAdd), {}, {90, 4410, 540, 330}},
        {link(cmdLinkEdit), {}, {630, 4410, 540, 330}},
        {link(cmdLinkDel), {}, {1170, 4410, 540, 330}},
        {link(cmdLinkUp), {}, {1710, 4410, 315, 330}},
        {link(cmdLinkDown), {}, {2025, 4410, 315, 330}},
        // Three pixels high with the line in the middle: a frame of one pixel falls between the
        // screen's pixels at scales such as 1.5, and nothing is drawn.
        {Line1, u"Line1"_s, {135, 5085 - Twips::PerPixel, 2115, 3 * Twips::PerPixel}},
        {cmdUpdatePreview, u"cmdUpdatePreview"_s, {90, 5310, 2220, 420}},
        {ieBrowser, u"ieBrowser"_s, {2430, 0, 5550, 6225}},
        {Label1, u"Label1"_s, {90, 1845, 1410, 240}},
        {cmbMouseTrails, u"cmbMouseTrails"_s, {90, 2070, 2220, 315}},
    });
    // A caption longer than the design's, as a translation may be, widens its label over the
    // empty room to its right rather than lose its end.
    for (QLabel* label : {lblTitle, lblName, lblWallpaper, Label1, lblLinks})
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
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
