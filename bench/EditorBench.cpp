// The editor window on large pages, headless: the time from creating the window to the first
// preview shown in its web view (100 links; the first window of the process starts the web
// engine, as the program's one editor window does), the time of UpdateFields on the largest page
// (32766 links: the list rebuilt and the preview written), and the memory of the process then;
// and the window with 2,000 pictures in its home folder, with thumbnails and without.
#include "editor/Thumbnails.h"
#include "editor/frmMain.h"
#include "editor/usrHomeImages.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/WebBrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int LoadTimeoutMs = 60000;

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

bool WaitForLoad(WebBrowser* browser)
{
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(browser, &WebBrowser::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

// Milliseconds from creating the window to its web view having shown the first preview.
double TimeToFirstPreview(std::unique_ptr<frmMain>& window)
{
    QElapsedTimer clock;
    clock.start();
    window = std::make_unique<frmMain>();
    window->show();
    if (!WaitForLoad(window->findChild<WebBrowser*>(u"ieBrowser"_s)))
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The fastest and the median of several runs of UpdateFields, in milliseconds.
std::pair<double, double> TimeUpdateFields(frmMain& window, int iRuns)
{
    std::vector<double> times;
    for (int run = 0; run < iRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        window.UpdateFields();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// 2,000 photographs in 20 folders of home: the window to its first preview with thumbnails and
// without, in turns, so that both meet the same load of the machine (median of 11 each; each run
// shows another wallpaper, whose thumbnail is read anew); then the wallpaper list opened, and
// the time until every entry shows its thumbnail.
void CompareThumbnails(const QTemporaryDir& folder, std::unique_ptr<frmMain>& window)
{
    constexpr int Pictures = 2000;
    for (int n = 0; n < Pictures; ++n) {
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(QColor::fromHsv(n % 360, 160, 230));
        const QString subfolder = u"home/photos%1"_s.arg(n / 100);
        QDir(folder.path()).mkpath(subfolder);
        photo.save(folder.filePath(subfolder + u"/photo%1.jpg"_s.arg(n)));
    }
    std::vector<double> times[2];
    for (int run = 0; run < 22; ++run) {
        CWebPage page;
        page.SetWallpaper(u"photo%1.jpg"_s.arg(run));
        page.SaveSettings(App::Path() + u"\\home\\qzhome.dat"_s);
        Thumbnails::SetEnabled(run % 2 == 1);
        times[run % 2].push_back(TimeToFirstPreview(window));
    }
    const double without = Median(times[0]), with = Median(times[1]);
    std::printf("Window to first preview, %d pictures: %.0f ms with thumbnails, %.0f ms without "
                "(medians of 11): %.2fx\n",
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

// A number of a process's status, such as the peak resident size "VmHWM" in kilobytes, or 0.
qint64 Status(const QString& process, const QByteArray& key)
{
    QFile status(u"/proc/"_s + process + u"/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return 0;
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
    QTemporaryDir folder;
    App::SetPath(BackslashPath(folder.path()));
    QDir(folder.path()).mkpath(u"home"_s);
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
    const auto [fastest, median] = TimeUpdateFields(*window, 10);
    std::printf("Window to first preview, 32766 links: %.0f ms\n", big);
    std::printf("UpdateFields, 32766 links: %.1f ms fastest, %.1f ms median of 10\n", fastest,
                median);
    std::printf("Editor process with 32766 links: %.0f MB peak resident (VmHWM), %.0f MB now "
                "(VmRSS); its web engine helpers: %.0f MB now\n",
                double(Status(u"self"_s, "VmHWM")) / 1024,
                double(Status(u"self"_s, "VmRSS")) / 1024, HelpersMegabytes());
    CompareThumbnails(folder, window);
    return cold < 0 || big < 0 ? 1 : 0;
}
