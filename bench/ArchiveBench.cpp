// Export Page and Import Page on a page of 1,000 links, each with a picture of its own of 20 KB:
// the export written from the home folder, then taken into an empty home folder, medians of 3.
#include "model/PageArchive.h"
#include "support/NativePath.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int kLinks = 1000;
constexpr int kRuns = 3;

// Pictures are compressed already: their bytes look random to the ZIP.
void WritePictures(const QString& sNative)
{
    QDir().mkpath(sNative);
    QByteArray bytes(20 * 1024, Qt::Uninitialized);
    for (int n = 1; n <= kLinks; ++n) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                              bytes.size() / 4);
        QFile file(sNative + u"/picture%1.jpg"_s.arg(n));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::exit(1);
    }
}

CWebPage Page()
{
    CWebPage page;
    page.SetTitle(u"A thousand pictures"_s);
    for (int n = 1; n <= kLinks; ++n) {
        auto link = std::make_shared<CWebPage>();
        link->SetName(u"Link number %1"_s.arg(n));
        link->SetMainPicture(u"picture%1.jpg"_s.arg(n));
        link->SetMainLink(u"https://www.example.com/pages/page%1.html"_s.arg(n));
        page.Links().Add(link);
    }
    return page;
}

double Milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main()
{
    const QTemporaryDir folder;
    const QString home = folder.filePath(u"home"_s);
    WritePictures(home);
    const CWebPage page = Page();
    const QString zip = BackslashPath(folder.filePath(u"page.zip"_s));
    std::vector<double> exports, imports;
    for (int run = 1; run <= kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        PageArchive::Export(page, BackslashPath(home), zip);
        exports.push_back(Milliseconds(timer));
        const QString empty = folder.filePath(u"empty%1"_s.arg(run));
        QDir().mkpath(empty);
        timer.restart();
        PageArchive::Import incoming = PageArchive::Read(zip);
        PageArchive::Place(incoming, BackslashPath(empty));
        imports.push_back(Milliseconds(timer));
        if (QDir(empty).entryList(QDir::Files).size() != kLinks)
            return 1;
    }
    std::printf("export-1000-ms: %.0f\nimport-1000-ms: %.0f\n", Median(exports), Median(imports));
    return 0;
}
