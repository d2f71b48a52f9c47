// Takes the README's pictures of the real program: the Control Center, the editor on the
// starter page, its wallpaper list open, the link dialog, the link dialog after Get Picture on a
// site served here, the Import Links dialog on a browser's bookmarks, and Check Links on links to
// sites served here; in the system's language,
// as the program shows them. Run it through
// tools/take-screenshots, which gives it a display with a window manager, so that the pictures
// show the windows' frames.
#include "common/LocalSite.h"
#include "editor/frmCheckLinks.h"
#include "editor/frmImportLinks.h"
#include "launcher/Program.h"
#include "launcher/frmConfigure.h"
#include "model/CWebPage.h"
#include "model/Collection.h"
#include "support/App.h"
#include "support/Bookmarks.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/Languages.h"
#include "toolkit/TextBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace
{

QString g_outFolder;

// Waits for the event loop for a while, so that pages load and windows paint.
void Settle(int iMs)
{
    QEventLoop loop;
    QTimer::singleShot(iMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// A picture of the window as it stands on the screen, web views included.
void Save(QWidget* window, const QString& sName)
{
    const QRect frame = window->frameGeometry();
    const QPixmap shot =
        window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = QDir(g_outFolder).filePath(sName);
    if (!shot.save(path))
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
}

// A copy of the laid-out application folder, so the pictures are taken on the starter page
// without touching it.
void CopyFolder(const QString& sFrom, const QString& sTo)
{
    QDirIterator it(sFrom, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = sTo + source.mid(sFrom.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}

template <class T> T* TopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

void Click(QWidget* window, const QString& sName)
{
    if (auto* button = window->findChild<QAbstractButton*>(sName))
        button->click();
}

// Opens the link dialog on the first link, takes its picture, and cancels it.
void ShootLinkDialog(QMainWindow* editor)
{
    auto* links = editor->findChild<QAbstractItemView*>(u"lstLinks"_s);
    links->setCurrentIndex(links->model()->index(0, 0));
    QTimer::singleShot(0, [] {
        Settle(2500);
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            Save(dialog, u"link-dialog.png"_s);
            dialog->reject();
        }
    });
    Click(editor, u"cmdLink_1"_s);
}

// A site's touch icon: a letter on a rounded square, as sites draw theirs.
QByteArray TouchIcon()
{
    QImage icon(192, 192, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0xff, 0x8a, 0x00));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(icon.rect(), 40, 40);
    QFont font = painter.font();
    font.setPixelSize(130);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(icon.rect(), Qt::AlignCenter, u"K"_s);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    return bytes;
}

// The link dialog on a new link once Get Picture has brought a site's picture, then cancelled.
void ShootGetPicture(QMainWindow* editor)
{
    LocalSite site;
    site.Serve("/", LocalSite::Page(R"(<link rel="apple-touch-icon" href="/touch.png">)"));
    site.Serve("/touch.png", TouchIcon(), "image/png");
    QTimer::singleShot(0, [&site] {
        Settle(1500);
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<TextBox*>(u"txtTitle"_s)->SetText(u"Kids Fun Zone"_s);
        dialog->findChild<TextBox*>(u"txtURL"_s)
            ->SetText(site.Url("/").replace(u"127.0.0.1"_s, u"localhost"_s));
        Click(dialog, u"cmdGetPicture"_s);
        Settle(2500);
        Save(dialog, u"get-picture.png"_s);
        dialog->reject();
    });
    Click(editor, u"cmdLink_0"_s);
}

// A browser's bookmarks as it exports them, with one page that the starter page links already.
constexpr char BookmarksFile[] = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><H3 PERSONAL_TOOLBAR_FOLDER="true">Bookmarks bar</H3>
    <DL><p>
        <DT><A HREF="https://www.khanacademy.org/kids">Khan Academy Kids</A>
        <DT><A HREF="https://pbskids.org/">PBS KIDS</A>
        <DT><H3>Reading</H3>
        <DL><p>
            <DT><A HREF="https://www.storylineonline.net/">Storyline Online</A>
            <DT><A HREF="https://www.oxfordowl.co.uk/for-home/">Oxford Owl</A>
            <DT><A HREF="https://www.funbrain.com/books">Funbrain Books</A>
        </DL><p>
        <DT><H3>Music &amp; Art</H3>
        <DL><p>
            <DT><A HREF="https://musiclab.chromeexperiments.com/">Chrome Music Lab</A>
            <DT><A HREF="https://www.tate.org.uk/kids/games-quizzes">Tate Kids Games</A>
            <DT><A HREF="javascript:void(print())">Print this page</A>
        </DL><p>
    </DL><p>
    <DT><A HREF="https://www.bbc.co.uk/cbeebies">CBeebies</A>
</DL><p>
)html";

// The Import Links dialog on those bookmarks, over the editor, as File, Import Links... shows it.
void ShootImportLinks(QMainWindow* editor)
{
    frmImportLinks dialog(Bookmarks::Read(BookmarksFile), {u"https://pbskids.org/"_s}, editor);
    dialog.resize(760, 400);
    dialog.show();
    Settle(1500);
    Save(&dialog, u"import-links.png"_s);
}

// Check Links over the editor, on links whose sites are served here: one fine, one gone, one
// moved, one now on another site, one for sale, one that never answers and one not a web address.
void ShootCheckLinks(QMainWindow* editor)
{
    LocalSite site;
    site.Serve("/games", LocalSite::Page({}));
    site.Redirect("/stories", "/read/stories");
    site.Serve("/read/stories", LocalSite::Page({}));
    const QString away = QString(site.Url("/games")).replace(u"127.0.0.1"_s, u"localhost"_s);
    site.Redirect("/cartoons", away.toLatin1());
    site.Serve("/animals", LocalSite::Page("<title>This domain may be for sale</title>"));
    site.Hang("/music");
    const std::pair<QString, QString> links[] = {
        {u"Games"_s, site.Url("/games")},
        {u"Puzzles"_s, site.Url("/puzzles")},
        {u"Stories"_s, site.Url("/stories")},
        {u"Cartoons"_s, site.Url("/cartoons")},
        {u"Animals"_s, site.Url("/animals")},
        {u"Music"_s, site.Url("/music")},
        {u"Write to Grandma"_s, u"mailto:grandma@example.org"_s}};
    Collection page;
    for (const auto& [caption, address] : links) {
        auto link = std::make_shared<CWebPage>();
        link->SetName(caption);
        link->SetMainLink(address);
        page.Add(link);
    }
    auto* dialog = new frmCheckLinks(page, App::File(u"home"_s), editor);
    dialog->SetTimeLimit(500);
    dialog->SetRetryDelay(200);
    dialog->resize(820, 300);
    dialog->show();
    Settle(3000);
    Save(dialog, u"check-links.png"_s);
    dialog->close();
}

// Opens the wallpaper list, whose pictures show as thumbnails, and takes the window with it.
void ShootWallpaperList(QMainWindow* editor)
{
    auto* list = editor->findChild<QWidget*>(u"cmbWallpaper"_s)->findChild<QComboBox*>();
    list->showPopup();
    Settle(2000);
    Save(editor, u"thumbnails.png"_s);
    list->hidePopup();
}

// Closes the editor without saving, so the starter page stays as it was.
void CloseWithoutSaving(QMainWindow* editor)
{
    QTimer::singleShot(0, [] {
        Settle(300);
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::No)->click();
    });
    editor->close();
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    UseSystemLanguage();
    if (argc != 3) {
        std::fprintf(stderr, "Usage: qz_screenshots <application folder> <output folder>\n");
        return 2;
    }
    g_outFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_outFolder);
    QTemporaryDir copy;
    CopyFolder(QString::fromLocal8Bit(argv[1]), copy.path());
    App::SetPath(copy.path());

    frmConfigure* controlCenter = StartProgram();
    Settle(800);
    Save(controlCenter, u"control-center.png"_s);

    Click(controlCenter, u"cmdEditBrowser"_s);
    auto* editor = TopLevel<QMainWindow>();
    if (!editor)
        return 1;
    // Wider than it opens, so the preview shows the page's two columns of links in full; once the
    // window manager has framed it, which would otherwise size it as it opened.
    Settle(500);
    editor->resize(960, 560);
    Settle(300);
    QRect frame = editor->frameGeometry();
    frame.moveCenter(editor->screen()->availableGeometry().center());
    editor->move(frame.topLeft());
    Settle(3000);
    Save(editor, u"editor.png"_s);
    ShootWallpaperList(editor);

    ShootLinkDialog(editor);
    ShootGetPicture(editor);
    ShootImportLinks(editor);
    ShootCheckLinks(editor);
    CloseWithoutSaving(editor);
    return 0;
}
