// Check Links on a page of 100 links, headless, the sites served from 127.0.0.1 by the benchmark
// itself: 80 that answer, 8 that redirect within the site, 8 gone (404) and 4 that never answer,
// last, which wait out the time limit twice (1 s each, 0.5 s apart). From the command to the last
// link checked, in a new editor window each time; medians of 3. check-100-ms leaves out those
// 2.5 s; check-100-total-ms keeps them. The figures come last, "name: value".
#include "bench/BenchFolder.h"
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

void WritePage(const LocalSite& site)
{
    CWebPage page;
    for (int number = 0; number < 100; ++number) {
        const QByteArray path = number < 80   ? "/fine/" + QByteArray::number(number)
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

// Milliseconds from File, Check Links... to the last link checked; -1 when it took a minute.
double CheckOnce()
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
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (progress->text() == u"Checked 100 of 100"_s)
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return progress->text() == u"Checked 100 of 100"_s ? ms : -1;
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
        times.push_back(CheckOnce());
        std::printf("run %d: %.0f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    const double median = times[Runs / 2];
    std::printf("check-100-total-ms: %.0f\n", median);
    std::printf("check-100-ms: %.0f\n", median - (2 * TimeLimitMs + RetryDelayMs));
    return 0;
}
