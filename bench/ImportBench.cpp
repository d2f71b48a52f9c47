// Import Links on a bookmarks file of 10,000 bookmarks in 200 folders, each with an icon of about
// 2 KB as browsers export them (about 20 MB), headless: from the file chosen in the open-file
// dialog to the "Import Links" dialog shown, beside reading the file's bytes alone; and from
// "Add Links" with all 10,000 checked, on a page of 100 links, to the links list painted. Medians
// of 5, each in a new editor window; the figures the README quotes come last, "name: value".
#include "bench/BenchFolder.h"
#include "bench/BenchTools.h"
#include "bench/PaintSeen.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/App.h"
#include "support/Bookmarks.h"
#include "support/NativePath.h"
#include "toolkit/GuiStartup.h"
#include "toolkit/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int Runs = 5;

void WriteBookmarks(const QString& sFile)
{
    const QByteArray icon = "data:image/png;base64," + QByteArray(2000, 'A');
    QByteArray html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" "
                      "CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n<DL><p>\n";
    for (int folder = 1; folder <= 200; ++folder) {
        html += "    <DT><H3 ADD_DATE=\"1700000000\">Folder " + QByteArray::number(folder) +
                "</H3>\n    <DL><p>\n";
        for (int n = 1; n <= 50; ++n) {
            const QByteArray number = QByteArray::number(folder * 100 + n);
            html += "        <DT><A HREF=\"https://example.org/page" + number +
                    ".html\" ADD_DATE=\"1700000000\" ICON=\"" + icon + "\">Page " + number +
                    " &amp; more</A>\n";
        }
        html += "    </DL><p>\n";
    }
    QFile file(sFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(html + "</DL>\n") < 0)
        std::fprintf(stderr, "Could not write %s\n", qPrintable(sFile));
}

void WritePage(int iLinks)
{
    CWebPage page;
    for (int n = 1; n <= iLinks; ++n) {
        auto link = std::make_shared<CWebPage>();
        link->SetMode(CWebPage::LinkRecord);
        link->SetName(u"Link %1"_s.arg(n));
        link->SetMainLink(u"https://example.com/%1.html"_s.arg(n));
        page.Links().Add(link);
    }
    page.SaveSettings(App::Path() + u"\\home\\qzhome.dat"_s);
}

// One Import Links in a new window: the file chosen, the dialog timed until shown, then Add Links
// timed until the list is painted. Both in milliseconds.
std::pair<double, double> ImportOnce(const QString& sFile)
{
    frmMain window;
    window.show();
    auto* list = window.findChild<QListView*>(u"lstLinks"_s);
    QElapsedTimer clock;
    double shown = -1;
    OnModals([&](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->selectFile(sFile);
            clock.start();
            static_cast<QDialog*>(files)->accept();
            return true;
        }
        if (modal->objectName() != u"frmImportLinks"_s)
            return true;
        shown = Ms(clock);
        clock.start();
        modal->findChild<QPushButton*>(u"cmdAddLinks"_s)->click();
        return false;
    });
    PaintSeen painted(list->viewport());
    window.findChild<QAction*>(u"mnuFile_18"_s)->trigger();
    while (!painted.seen)
        QApplication::processEvents();
    const double added = Ms(clock);
    if (list->model()->rowCount() != 10100)
        std::fprintf(stderr, "%d rows instead of 10100\n", list->model()->rowCount());
    return {shown, added};
}

} // namespace

int main(int argc, char** argv)
{
    PrepareGuiApplication();
    QApplication app(argc, argv);
    PrepareGuiFonts();
    const BenchFolder folder;
    const QString file = folder.filePath(u"bookmarks.html"_s);
    WriteBookmarks(file);

    std::vector<double> shown, added, read, parsed;
    for (int run = 0; run < Runs; ++run) {
        WritePage(100);
        const auto [dialog, list] = ImportOnce(file);
        shown.push_back(dialog);
        added.push_back(list);
        QElapsedTimer clock;
        clock.start();
        QFile bytes(file);
        const qint64 size = bytes.open(QIODevice::ReadOnly) ? bytes.readAll().size() : 0;
        read.push_back(Ms(clock));
        clock.start();
        const qsizetype count = Bookmarks::Count(Bookmarks::ReadFile(BackslashPath(file)));
        parsed.push_back(Ms(clock));
        if (run == 0)
            std::printf("Bookmarks file: %.1f MB, %lld bookmarks\n", double(size) / 1e6,
                        qlonglong(count));
    }
    std::printf("File chosen to dialog shown: %.0f ms; of which reading the bookmarks %.0f ms; "
                "reading the file's bytes alone %.0f ms (medians of %d)\n",
                Median(shown), Median(parsed), Median(read), Runs);
    std::printf("Add Links, 10,000 on 100 links, to the list painted: %.0f ms (median of %d)\n",
                Median(added), Runs);
    std::printf("import-10000-ms: %.0f\n", Median(shown));
    std::printf("add-10000-ms: %.0f\n", Median(added));
    return 0;
}
