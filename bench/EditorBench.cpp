// The editor window on large pages, headless: the time from the Control Center's "Browser" to
// the first preview of the starter page (the program as a user starts it, the web engine not yet
// running); from creating the window to its first preview (100 and 32766 links; the largest page
// against a bare web view loading the same file); UpdateFields on the largest page (32766 links:
// the list rebuilt and the preview written) and the part of it that writes the preview; Del and
// Undo there, and the memory 1,000 steps add; the copy of unsaved changes written, against
// SaveSettings of the same page; the memory of the process then; the window with
// 2,000 pictures in its home folder, against the same names in empty files; and the window on a
// page whose title is 100 MB, against one with a short title.
// The figures that the README quotes come last, one "name: value" a line.
#include "bench/BenchFolder.h"
#include "bench/PaintSeen.h"
#include "bench/ProcessStatus.h"
#include "editor/LinkRowDelegate.h"
#include "editor/LinksListModel.h"
#include "editor/PictureRowDelegate.h"
#include "editor/RecoveryCopy.h"
#include "editor/Thumbnails.h"
#include "editor/frmMain.h"
#include "editor/usrHomeImages.h"
#include "launcher/Program.h"
#include "launcher/frmConfigure.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int LoadTimeoutMs = 60000;
// The argument that makes the benchmark time "Browser" alone, in a process of its own.
const QString BrowserOnly = u"--browser-to-preview"_s;

void WriteSettings(int iLinks)
{
    CWebPage page;
    page.SetTitle(u"A page with many links"_s);
    page.SetName(u"Links"_s);
    for (int n = 1; n <= iLinks; ++n) {
        auto link = std::make_shared<CWebPage>();
        link->SetMode(1);
        link->SetName(u"Link number %1"_s.arg(n));
        link->SetMainPicture(u"star.bmp"_s);
        link->SetMainLink(u"https://example.org/page%1.html"_s.arg(n));
        page.Links().Add(link);
    }
    page.SaveSettings(App::Path() + u"\\home\\qzhome.dat"_s);
}

bool WaitForLoad(QWebEngineView* view)
{
    QEventLoop loop;
    bool loaded = false;
    // A load given up by the web view is tried once more: the time counts until it shows.
    QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        if (ok)
            loop.quit();
    });
    QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

// The window gone without closing, as after a crash: its copy of unsaved changes goes too, so that
// the next window asks nothing.
void DropWindow(std::unique_ptr<frmMain>& window)
{
    window.reset();
    QFile::remove(NativePath(App::File(u"home\\qzhome-unsaved.dat"_s)));
}

// Milliseconds from creating the window to its web view having shown the first preview.
double TimeToFirstPreview(std::unique_ptr<frmMain>& window)
{
    DropWindow(window);
    QElapsedTimer clock;
    clock.start();
    window = std::make_unique<frmMain>();
    window->show();
    if (!WaitForLoad(window->findChild<WebBrowser*>(u"ieBrowser"_s)))
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

// Milliseconds from creating the window on a page whose title has iChars characters to the window
// shown and answering, with its settings read, its fields filled and its preview written.
double TimeToAnswer(std::unique_ptr<frmMain>& window, qsizetype iChars)
{
    DropWindow(window);
    CWebPage page;
    page.SetTitle(QString(iChars, u'T'));
    page.SaveSettings(App::File(u"home\\qzhome.dat"_s));
    QElapsedTimer clock;
    clock.start();
    window = std::make_unique<frmMain>();
    window->show();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// 2,000 photographs in 20 folders of home: the window to its first preview, against the same
// window on a home folder that holds an empty file of each name, which lists the same names but
// has no picture to read. In turns, so that both meet the same load of the machine (median of 11
// each; each run shows another wallpaper, whose thumbnail is read anew). Then the wallpaper list
// opened, and the time until every entry shows its thumbnail.
void CompareThumbnails(const QTemporaryDir& folder, std::unique_ptr<frmMain>& window)
{
    constexpr int Pictures = 2000;
    const QTemporaryDir blank;
    for (int n = 0; n < Pictures; ++n) {
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(n % 360, 160, 230));
        const QString file = u"home/photos%1/photo%2.jpg"_s.arg(n / 100).arg(n);
        for (const QTemporaryDir* home : {&folder, &blank})
            QDir(home->path()).mkpath(QFileInfo(home->filePath(file)).path());
        photo.save(folder.filePath(file));
        QFile(blank.filePath(file)).open(QIODevice::WriteOnly);
    }
    std::vector<double> times[2];
    for (int run = 0; run < 22; ++run) {
        // The photographs last, for the list below.
        App::SetPath((run % 2 == 1 ? folder : blank).path());
        CWebPage page;
        page.SetWallpaper(u"photo%1.jpg"_s.arg(run));
        page.SaveSettings(App::Path() + u"\\home\\qzhome.dat"_s);
        times[run % 2].push_back(TimeToFirstPreview(window));
    }
    const double without = Median(times[0]), with = Median(times[1]);
    std::printf("Window to first preview, %d pictures: %.0f ms with the photographs, %.0f ms with "
                "empty files of their names (medians of 11): %.2fx\n",
                Pictures, with, without, with / without);

    auto* list = window->findChild<usrHomeImages*>(u"cmbWallpaper"_s)->findChild<QComboBox*>();
    const qint64 placeholder = Thumbnails::Shared().Placeholder().cacheKey();
    const auto waiting = [&] {
        for (int row = 2; row < list->count(); ++row) {
            if (list->itemIcon(row).cacheKey() == placeholder)
                return true;
        }
        return false;
    };
    QElapsedTimer clock;
    clock.start();
    list->showPopup();
    const double opened = double(clock.nsecsElapsed()) / 1e6;
    while (waiting())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::printf("Wallpaper list of %d pictures opened in %.0f ms; every thumbnail shown after "
                "%.0f ms\n",
                Pictures, opened, double(clock.nsecsElapsed()) / 1e6);
}

// Waits a while with the event loop running, as a user looks at a window.
void Wait(int iMs)
{
    QEventLoop loop;
    QTimer::singleShot(iMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Milliseconds from "Browser" in the Control Center, up for a second before, to the editor's first
// preview of the starter page.
double BrowserToPreview(const QTemporaryDir& folder)
{
    const QDir starter(QStringLiteral(QZ_DATA "/home"));
    for (const QString& file : starter.entryList(QDir::Files))
        QFile::copy(starter.filePath(file), folder.filePath(u"home/"_s + file));
    frmConfigure* controlCenter = StartProgram();
    Wait(1000);
    QElapsedTimer clock;
    clock.start();
    controlCenter->findChild<QToolButton*>(u"cmdEditBrowser"_s)->click();
    std::unique_ptr<frmMain> editor;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmMain*>(window))
            editor.reset(found);
    }
    if (!editor || !WaitForLoad(editor->findChild<WebBrowser*>(u"ieBrowser"_s)))
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

// The medians of the window to its first preview and of a bare web view of the window's size
// loading the same preview file, in turns, so that both meet the same state of the web engine.
std::pair<double, double> CompareWithBareView(std::unique_ptr<frmMain>& window, int iRuns)
{
    const QSize size = window->findChild<WebBrowser*>(u"ieBrowser"_s)->size();
    std::vector<double> editor, bare;
    for (int run = 0; run < iRuns; ++run) {
        DropWindow(window);
        QElapsedTimer clock;
        clock.start();
        QWebEngineView view;
        view.resize(size);
        view.show();
        view.load(QUrl::fromLocalFile(NativePath(App::File(u"home\\qzhometmp.html"_s))));
        WaitForLoad(&view);
        bare.push_back(double(clock.nsecsElapsed()) / 1e6);
        editor.push_back(TimeToFirstPreview(window));
    }
    return {Median(editor), Median(bare)};
}

// The median of BrowserToPreview in processes of their own, each starting the web engine anew.
double BrowserToPreviewMedian(int iRuns)
{
    std::vector<double> times;
    for (int run = 0; run < iRuns; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {BrowserOnly});
        child.waitForFinished(LoadTimeoutMs);
        times.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return Median(times);
}

// The median of several runs of f, in milliseconds.
template <class F> double MedianMs(int iRuns, F f)
{
    std::vector<double> times;
    for (int run = 0; run < iRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        f();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    return Median(times);
}

// The median milliseconds from a click on Move Down, the first row chosen, to the list painted
// with the moved row.
double MoveDownShown(frmMain& window, int iRuns)
{
    auto* list = window.findChild<QListView*>(u"lstLinks"_s);
    auto* down = window.findChild<QPushButton*>(u"cmdLink_4"_s);
    list->setCurrentIndex(list->model()->index(0, 0));
    return MedianMs(iRuns, [&] {
        PaintSeen painted(list->viewport());
        down->click();
        while (!painted.seen)
            QApplication::processEvents();
    });
}

// The links list rebuilt on a page's links, laid out and painted: its rows as wide as the widest
// against rows sized by the last one, as a delegate without that search sizes them. In turns,
// medians of 11 each.
std::pair<double, double> CompareRowSizing(const CWebPage& page)
{
    LinksListModel rows;
    LinkRowDelegate widest;
    PictureRowDelegate last;
    QListView list;
    list.setModel(&rows);
    list.setUniformItemSizes(true);
    list.setIconSize(QSize(16, 16));
    list.resize(148, 82);
    list.show();
    std::vector<double> times[2];
    for (int run = 0; run < 22; ++run) {
        list.setItemDelegate(run % 2 == 0 ? static_cast<QStyledItemDelegate*>(&widest) : &last);
        times[run % 2].push_back(MedianMs(1, [&] {
            rows.SetLinks(&page.Links());
            list.doItemsLayout();
            list.viewport()->repaint();
        }));
    }
    return {Median(times[0]), Median(times[1])};
}

// Del on the first row, then Undo from the Edit menu, each from the command to the list painted:
// the medians in milliseconds.
std::pair<double, double> UndoDelShown(frmMain& window, int iRuns)
{
    auto* list = window.findChild<QListView*>(u"lstLinks"_s);
    auto* del = window.findChild<QPushButton*>(u"cmdLink_2"_s);
    auto* undo = window.findChild<QAction*>(u"mnuEdit_0"_s);
    const auto shownMs = [list](const std::function<void()>& command) {
        return MedianMs(1, [&] {
            PaintSeen painted(list->viewport());
            command();
            while (!painted.seen)
                QApplication::processEvents();
        });
    };
    std::vector<double> dels, undos;
    for (int run = 0; run < iRuns; ++run) {
        list->setCurrentIndex(list->model()->index(0, 0));
        dels.push_back(shownMs([del] { del->click(); }));
        undos.push_back(shownMs([undo] { undo->trigger(); }));
    }
    return {Median(dels), Median(undos)};
}

// The copy of unsaved changes of a page written, against SaveSettings of the same page beside it,
// in turns (11 each): the median milliseconds of each, and the longest copy.
std::tuple<double, double, double> CompareRecoveryCopy(const CWebPage& page)
{
    RecoveryCopy copy(App::File(u"home\\bench-unsaved.dat"_s));
    copy.TakeOver();
    copy.Keep(&page);
    std::vector<double> copies, saves;
    for (int run = 0; run < 11; ++run) {
        copies.push_back(MedianMs(1, [&] { copy.Write(); }));
        saves.push_back(
            MedianMs(1, [&] { page.SaveSettings(App::File(u"home\\bench-saved.dat"_s)); }));
    }
    copy.Remove();
    return {Median(copies), Median(saves), *std::max_element(copies.begin(), copies.end())};
}

// The growth of the editor's resident megabytes over 1,000 steps, Move Down and Move Up in turns,
// each kept for Undo.
double StepsMegabytes(frmMain& window)
{
    auto* list = window.findChild<QListView*>(u"lstLinks"_s);
    auto* down = window.findChild<QPushButton*>(u"cmdLink_4"_s);
    auto* up = window.findChild<QPushButton*>(u"cmdLink_3"_s);
    list->setCurrentIndex(list->model()->index(0, 0));
    QApplication::processEvents();
    const qint64 before = Status(u"self"_s, "VmRSS");
    for (int step = 0; step < 1000; ++step) {
        (step % 2 == 0 ? down : up)->click();
        QApplication::processEvents();
    }
    return double(Status(u"self"_s, "VmRSS") - before) / 1024;
}

// The resident megabytes of the processes below this one: the web engine's helpers, among them
// the renderer of the preview page.
double HelpersMegabytes()
{
    QList<qint64> family{QCoreApplication::applicationPid()};
    qint64 kilobytes = 0;
    const QStringList processes = QDir(u"/proc"_s).entryList({u"[0-9]*"_s}, QDir::Dirs);
    // Process ids grow with time, so a parent is met before its children.
    for (const QString& process : processes) {
        if (family.contains(Status(process, "PPid"))) {
            family << process.toLongLong();
            kilobytes += Status(process, "VmRSS");
        }
    }
    return double(kilobytes) / 1024;
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    const BenchFolder folder;
    if (QCoreApplication::arguments().contains(BrowserOnly)) {
        std::printf("%.1f\n", BrowserToPreview(folder));
        return 0;
    }
    const double browser = BrowserToPreviewMedian(3);
    // Every link shows the same small picture.
    QImage star(32, 32, QImage::Format_RGB32);
    star.fill(Qt::yellow);
    star.save(folder.filePath(u"home/star.bmp"_s));

    std::unique_ptr<frmMain> window;
    WriteSettings(100);
    const double cold = TimeToFirstPreview(window);
    const double warm = TimeToFirstPreview(window);
    std::printf("Window to first preview, 100 links: %.0f ms (web engine starting), %.0f ms "
                "(running)\n",
                cold, warm);

    WriteSettings(Collection::MaxCount);
    const double big = TimeToFirstPreview(window);
    std::printf("Window to first preview, 32766 links: %.0f ms\n", big);
    const double updateFields = MedianMs(10, [&] { window->UpdateFields(); });
    const double moveDown = MoveDownShown(*window, 10);
    const auto [undoDel, undoUndo] = UndoDelShown(*window, 10);
    const double stepsMegabytes = StepsMegabytes(*window);
    // Before the page below is read, which holds as much again.
    std::printf("Editor process with 32766 links: %.0f MB peak resident (VmHWM), %.0f MB now "
                "(VmRSS); its web engine helpers: %.0f MB now\n",
                double(Status(u"self"_s, "VmHWM")) / 1024,
                double(Status(u"self"_s, "VmRSS")) / 1024, HelpersMegabytes());
    CWebPage page;
    page.LoadSettings(App::File(u"home\\qzhome.dat"_s));
    const double generate =
        MedianMs(10, [&] { page.GeneratePage(App::File(u"home\\qzhometmp.html"_s)); });
    std::printf("UpdateFields, 32766 links: %.1f ms, of which GeneratePage alone %.1f ms (medians "
                "of 10)\n",
                updateFields, generate);
    std::printf("Move Down, 32766 links: %.1f ms from the click to the list painted (median of "
                "10)\n",
                moveDown);
    std::printf("Del, then Undo, 32766 links: %.1f ms and %.1f ms from the command to the list "
                "painted (medians of 10); 1,000 steps grow the editor by %.1f MB\n",
                undoDel, undoUndo, stepsMegabytes);
    const auto [copyMs, saveMs, longestCopy] = CompareRecoveryCopy(page);
    std::printf("Copy of unsaved changes, 32766 links: %.1f ms written, against %.1f ms for "
                "SaveSettings of the same page (medians of 11, in turns): %.2fx; the longest copy "
                "%.1f ms\n",
                copyMs, saveMs, copyMs / saveMs, longestCopy);
    const auto [widest, last] = CompareRowSizing(page);
    std::printf(
        "Links list of 32766 links rebuilt, laid out and painted: %.2f ms with rows as wide "
        "as the widest, %.2f ms with rows sized by the last (medians of 11, in turns)\n",
        widest, last);
    const auto [editor, bare] = CompareWithBareView(window, 5);
    std::printf("Window to first preview, 32766 links: %.0f ms; a bare web view loading the same "
                "file: %.0f ms (medians of 5, in turns)\n",
                editor, bare);
    std::printf("From \"Browser\" to the starter page's first preview: %.0f ms (median of 3 "
                "processes)\n",
                browser);
    CompareThumbnails(folder, window);
    std::vector<double> hugeTitle, shortTitle;
    for (int run = 0; run < 3; ++run) {
        hugeTitle.push_back(TimeToAnswer(window, 100 * 1024 * 1024));
        shortTitle.push_back(TimeToAnswer(window, 12));
    }
    std::printf("Window shown and answering, title of 100 MB: %.0f ms; of 12 characters: %.0f ms "
                "(medians of 3, in turns)\n",
                Median(hugeTitle), Median(shortTitle));

    std::printf("updatefields-32766-ms: %.1f\n", updateFields);
    std::printf("preview-32766-vs-bare-view: %.2f\n", editor / bare);
    std::printf("browser-to-preview-ms: %.0f\n", browser);
    std::printf("huge-title-answer-ms: %.0f\n", Median(hugeTitle));
    std::printf("undo-del-32766-ms: %.1f %.1f\n", undoDel, undoUndo);
    std::printf("undo-memory-1000-steps: %.1f\n", stepsMegabytes);
    std::printf("recovery-copy-32766-ms: %.1f %.1f\n", copyMs, saveMs);
    return browser <= 0 || cold < 0 || big < 0 || editor < 0 ? 1 : 0;
}
