// The editor window on large pages, headless: the time from creating the window to the first
// preview shown in its web view (100 links; the first window of the process starts the web
// engine, as the program's one editor window does), the time of UpdateFields on the largest page
// (32766 links: the list rebuilt and the preview written), and the memory of the process then.
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/WebBrowser.h"

#include <QApplication>
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
    return cold < 0 || big < 0 ? 1 : 0;
}
