// The tiles of a page's links, headless. Import Links of 20 bookmarks with "Get each link's
// picture from its site" on the starter page, each site on 127.0.0.1 served by the benchmark
// itself and giving its picture in one of the ways sites do: from "Add Links" to the last
// picture on the page, median of 3, each in a new editor window. And Make Link Pictures Match on
// a page of 1,000 links with 1,000 different pictures, median of 3, with the longest the window
// went without answering. The figures the README quotes come last, "name: value". Given a folder,
// it leaves there the starter page with the twenty links and their pictures, saved.
#include "bench/BenchFolder.h"
#include "bench/BenchTools.h"
#include "common/LocalSite.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace
{

constexpr int Runs = 3;
constexpr int Sites = 20;
constexpr int Links = 1000;

// A site of each kind: a large touch icon, a favicon and a theme colour, a picture to share, a
// favicon at the root only, a drawing, nothing at all. Each site has its own colour.
void ServeKind(LocalSite& site, int iKind)
{
    const QColor color = QColor::fromHsv(iKind * 360 / Sites, 190, 230);
    const QByteArray heads[] = {
        R"(<link rel="apple-touch-icon" href="/touch.png">)",
        R"(<meta name="theme-color" content="#2080ff"><link rel="icon" href="/f16.png">)",
        R"(<meta property="og:image" content="/share.png">)",
        {},
        R"(<link rel="icon" sizes="any" href="/v.svg">)",
        R"(<link rel="stylesheet" href="/none.css">)",
    };
    site.Serve("/", LocalSite::Page(heads[iKind % std::size(heads)]));
    site.Serve("/touch.png", LocalSite::Picture({180, 180}, color), "image/png");
    site.Serve("/f16.png", LocalSite::Picture({16, 16}, color), "image/png");
    site.Serve("/share.png", LocalSite::Picture({600, 315}, color), "image/png");
    if (iKind % std::size(heads) == 3)
        site.Serve("/favicon.ico", LocalSite::Picture({48, 48}, color), "image/png");
    const QByteArray name = color.name().toLatin1();
    site.Serve("/v.svg",
               R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 2 2">)"
               R"(<circle cx="1" cy="1" r="1" fill=")" +
                   name + R"("/></svg>)",
               "image/svg+xml");
    site.Serve("/none.css", "h1 { background: " + name + " }", "text/css");
}

// Each window of the benchmark ends without closing, which leaves a copy of unsaved changes.
void ForgetUnsavedChanges()
{
    QFile::remove(NativePath(App::File(u"home\\qzhome-unsaved.dat"_s)));
}

void CopyStarterPage()
{
    ForgetUnsavedChanges();
    const QDir starter(QStringLiteral(QZ_DATA "/home"));
    for (const QString& file : starter.entryList(QDir::Files)) {
        const QString target = NativePath(App::File(u"home\\"_s + file));
        QFile::remove(target);
        QFile::copy(starter.filePath(file), target);
    }
}

// A message, such as the import's report of sites that gave nothing, is shown and answered: none
// should come.
bool Answered(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) {
        std::fprintf(stderr, "%s\n", qPrintable(box->text()));
        box->accept();
    }
    return box;
}

// Milliseconds from "Add Links" to the last of the links' pictures in place. Given a folder, the
// page is saved and its home copied there, to be seen in a browser.
double ImportOnce(const QString& sBookmarks, const QString& sKeep)
{
    CopyStarterPage();
    frmMain window;
    window.show();
    const qint32 before = window.Page().Links().Count();
    if (before == 0)
        std::fprintf(stderr, "The starter page was not read\n");
    QElapsedTimer clock;
    // Answers until the import is over: a report of sites that gave nothing may come last.
    const auto importing = std::make_shared<bool>(true);
    OnModals([&, importing](QWidget* modal) {
        if (!*importing)
            return false;
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->selectFile(sBookmarks);
            static_cast<QDialog*>(files)->accept();
            return true;
        }
        if (Answered(modal))
            return true;
        if (modal->objectName() != u"frmImportLinks"_s)
            return true;
        modal->findChild<QCheckBox*>(u"chkGetPictures"_s)->setChecked(true);
        clock.start();
        modal->findChild<QPushButton*>(u"cmdAddLinks"_s)->click();
        return true;
    });
    window.findChild<QAction*>(u"mnuFile_18"_s)->trigger();
    const auto allIn = [&] {
        const Collection& links = window.Page().Links();
        for (qint32 position = before + 1; position <= links.Count(); ++position)
            if (links.Item(position)->MainPicture().isEmpty())
                return false;
        return links.Count() == before + Sites;
    };
    QElapsedTimer limit;
    limit.start();
    while (!allIn() && limit.elapsed() < 60000)
        QApplication::processEvents();
    const double ms = Ms(clock);
    *importing = false;
    if (!sKeep.isEmpty()) {
        window.findChild<QAction*>(u"mnuFile_10"_s)->trigger();
        const QDir home(NativePath(App::File(u"home"_s)));
        QDir().mkpath(sKeep);
        for (const QString& file : home.entryList(QDir::Files))
            QFile::copy(home.filePath(file), sKeep + u'/' + file);
    }
    return allIn() ? ms : -1;
}

// A page of Links links, each with a JPEG of its own, none of them square.
void WriteMixedPage()
{
    CWebPage page;
    for (int n = 1; n <= Links; ++n) {
        QImage picture(100 + n % 60, 70 + n % 40, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(n % 360, 200, 220));
        const QString name = u"p%1.jpg"_s.arg(n);
        picture.save(NativePath(App::File(u"home\\"_s + name)), "JPG");
        auto link = std::make_shared<CWebPage>();
        link->SetMode(CWebPage::LinkRecord);
        link->SetName(u"Link %1"_s.arg(n));
        link->SetMainPicture(name);
        page.Links().Add(link);
    }
    page.SaveSettings(App::File(u"home\\qzhome.dat"_s));
    ForgetUnsavedChanges();
}

// The command's milliseconds, and the longest the window's event loop went without a turn.
std::pair<double, double> MatchOnce()
{
    frmMain window;
    window.show();
    const auto matching = std::make_shared<bool>(true);
    OnModals([matching](QWidget* modal) {
        Answered(modal);
        return *matching;
    });
    QElapsedTimer clock, sinceTurn;
    double longest = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, &turns, [&] {
        longest = std::max(longest, Ms(sinceTurn));
        sinceTurn.start();
    });
    turns.start(1);
    clock.start();
    sinceTurn.start();
    window.findChild<QAction*>(u"mnuEdit_3"_s)->trigger();
    const double ms = Ms(clock);
    longest = std::max(longest, Ms(sinceTurn));
    *matching = false;
    if (!window.Page().Links().Item(Links)->MainPicture().startsWith(u"p%1-96"_s.arg(Links)))
        std::fprintf(stderr, "The pictures were not made to match\n");
    return {ms, longest};
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    const BenchFolder folder;
    std::vector<std::unique_ptr<LocalSite>> sites;
    QByteArray bookmarks = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (int n = 0; n < Sites; ++n) {
        sites.push_back(std::make_unique<LocalSite>());
        ServeKind(*sites.back(), n);
        bookmarks += "<DT><A HREF=\"" + sites.back()->Url("/").toUtf8() + "\">Kid site " +
                     QByteArray::number(n + 1) + "</A>\n";
    }
    const QString file = folder.filePath(u"bookmarks.html"_s);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bookmarks + "</DL>\n") < 0)
        std::fprintf(stderr, "Could not write %s\n", qPrintable(file));
    out.close();

    std::vector<double> imports, matches, pauses;
    for (int run = 0; run < Runs; ++run) {
        imports.push_back(
            ImportOnce(file, run == 0 && argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString()));
        std::fprintf(stderr, "import %d: %.0f ms\n", run + 1, imports.back());
    }
    for (int run = 0; run < Runs; ++run) {
        WriteMixedPage();
        const auto [ms, pause] = MatchOnce();
        matches.push_back(ms);
        pauses.push_back(pause);
    }
    std::printf("Import Links of %d bookmarks with their pictures, from Add Links to the last "
                "picture on the page: %.0f ms (median of %d)\n",
                Sites, Median(imports), Runs);
    std::printf("Make Link Pictures Match on %d links with as many pictures: %.0f ms, the window "
                "at most %.0f ms without answering (medians of %d)\n",
                Links, Median(matches), Median(pauses), Runs);
    std::printf("tiles-20-ms: %.0f\n", Median(imports));
    std::printf("match-1000-ms: %.0f\n", Median(matches));
    return 0;
}
