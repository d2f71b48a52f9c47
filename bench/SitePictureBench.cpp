// "Get Picture" in the link dialog, headless: from the click to the site's picture chosen in the
// dialog's picker, the page and its 180-pixel touch icon served from 127.0.0.1 by the benchmark
// itself; beside it a page that names no picture, whose view is taken. Each run in a new dialog, as
// a user opens it, over an editor window whose preview has started the web engine; medians of 5.
// The figure the README quotes comes last, "name: value".
#include "bench/BenchFolder.h"
#include "common/LocalSite.h"
#include "editor/frmLink.h"
#include "editor/frmMain.h"
#include "editor/usrHomeImages.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/TextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int Runs = 5;

// Milliseconds from the click to the picture chosen; -1 when none came within a minute.
double GetPictureOnce(const QString& sAddress)
{
    frmLink dialog(nullptr);
    dialog.show();
    dialog.findChild<TextBox*>(u"txtURL"_s)->SetText(sAddress);
    auto* picker = dialog.findChild<usrHomeImages*>(u"cmbImages"_s);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!picker->PictureName().isEmpty())
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    poll.start(1);
    dialog.findChild<QPushButton*>(u"cmdGetPicture"_s)->click();
    loop.exec();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return picker->PictureName().isEmpty() ? -1 : ms;
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    const BenchFolder folder;
    LocalSite site;
    site.Serve("/", LocalSite::Page(R"(<link rel="apple-touch-icon" href="/touch.png">)"));
    site.Serve("/touch.png", LocalSite::Picture({180, 180}, Qt::darkGreen), "image/png");
    site.Serve("/plain", LocalSite::Page({}));

    frmMain editor;
    editor.show();
    std::vector<double> icon, view;
    for (int run = 0; run < Runs; ++run) {
        icon.push_back(GetPictureOnce(site.Url("/")));
        view.push_back(GetPictureOnce(site.Url("/plain")));
    }
    for (std::vector<double>* times : {&icon, &view})
        std::sort(times->begin(), times->end());
    std::printf("Get Picture, from the click to the picture chosen: the touch icon %.0f ms, the "
                "view of a page without one %.0f ms (medians of %d, in turns)\n",
                icon[Runs / 2], view[Runs / 2], Runs);
    std::printf("site-picture-ms: %.0f\n", icon[Runs / 2]);
    return 0;
}
