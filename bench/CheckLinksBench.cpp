// Check Links on a page of 100 links, headless, the sites served from 127.0.0.1 by the benchmark
// itself: 80 that answer, 8 that redirect within the site, 8 gone (404) and 4 that never answer,
// last, which wait out the time limit twice (1 s each, 0.5 s apart). From the command to the last
// link checked, in a new editor window each time; medians of 3. check-100-ms leaves out those
// 2.5 s; check-100-total-ms keeps them. Then a page of 32766 links to one local page: how much the
// process grows while they are checked, and the longest the window waited to be answered. The
// figures come last, "name: value".
#include "bench/BenchFolder.h"
#include "bench/ProcessStatus.h"
#include "common/LocalSite.h"
#include "editor/frmCheckLinks.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "toolkit/GuiStartup.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int Runs = 3;
constexpr int TimeLimitMs = 1000;
constexpr int RetryDelayMs = 500;

// 100 links, or a full page of them all to one page that answers.
void WritePage(const LocalSite& site, int iLinks = 100)
{
    CWebPage page;
    for (int number = 0; number < iLinks; ++number) {
        const QByteArray path = iLinks > 100 || number < 80
                                    ? "/fine/" + QByteArray::number(number % 80)
                                : number < 88 ? "/old/" + QByteArray::number(number)
                                : number < 96 ? QByteArray("/gone")
                                              : QByteArray("/hangs");
        auto link = std::make_shared<CWebPage>();
        link->SetMode(CWebPage::LinkRecord);
        link->SetName(u"Link %1"_s.arg(number));
        link->SetMainLink(site.Url(path));
        page.Links().Add(link);
    }
    page.SaveSettings(App::File(u"home\\qzhome.dat"_s));
}

struct Run {
    double ms = -1; // from File, Check Links... to the last link checked; -1 when it timed out
    double longestTurnMs = 0; // the longest the event loop was away
    double growthMb = 0;      // the most the resident memory grew
};

Run CheckOnce(int iLinks = 100, int iTimeoutMs = 60000)
{
    frmMain window;
    window.show();
    QElapsedTimer clock;
    clock.start();
    window.findChild<QAction*>(u"mnuFile_21"_s)->trigger();
    auto* dialog = window.findChild<frmCheckLinks*>(u"frmCheckLinks"_s);
    dialog->SetTimeLimit(TimeLimitMs);
    dialog->SetRetryDelay(RetryDelayMs);
    const auto* progress = dialog->findChild<QLabel*>(u"lblProgress"_s);
    const QString last = u"Checked %1 of %1"_s.arg(iLinks);
    const qint64 before = Status(u"self"_s, "VmRSS");
    Run run;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer turn;
    turn.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        run.longestTurnMs = std::max(run.longestTurnMs, double(turn.restart()));
        run.growthMb = std::max(run.growthMb, double(Status(u"self"_s, "VmRSS") - before) / 1024);
        if (progress->text() == last)
            loop.quit();
    });
    QTimer::singleShot(iTimeoutMs, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    if (progress->text() == last)
        run.ms = double(clock.nsecsElapsed()) / 1e6;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    const BenchFolder folder;
    LocalSite site;
    for (int number = 0; number < 88; ++number) {
        site.Serve("/fine/" + QByteArray::number(number), LocalSite::Page({}));
        site.Redirect("/old/" + QByteArray::number(number), "/fine/" + QByteArray::number(number));
    }
    site.Hang("/hangs");
    WritePage(site);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        times.push_back(CheckOnce().ms);
        std::printf("run %d: %.0f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    const double median = times[Runs / 2];
    std::printf("check-100-total-ms: %.0f\n", median);
    WritePage(site, 32766);
    const Run full = CheckOnce(32766, 600000);
    std::printf("check-32766-s: %.1f\n", full.ms / 1000);
    std::printf("check-32766-growth-mb: %.1f\n", full.growthMb);
    std::printf("check-32766-longest-turn-ms: %.0f\n", full.longestTurnMs);
    std::printf("check-100-ms: %.0f\n", median - (2 * TimeLimitMs + RetryDelayMs));
    return 0;
}
