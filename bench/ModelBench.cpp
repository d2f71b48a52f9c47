// The page model on the largest page it can hold: 32766 links with a caption, a picture and an
// address each. GeneratePage and SaveSettings run beside a QSaveFile that writes and commits the
// same bytes; LoadSettings beside a plain reader that keeps every value of the same file as a
// QString in a list (what any reader that holds the page must do), both on a fresh heap, and, for
// what the file costs to read at all, beside a QFile::readLine loop that reuses one buffer. The
// two of a pair run in turn, so that both meet the same load of the machine, and the medians are
// compared. It also gives the most heap LoadSettings holds beyond the page it builds, against the
// file's size.
#include "bench/HeapCounter.h"
#include "model/CWebPage.h"
#include "support/NativePath.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace
{

constexpr int kRuns = 21;

const QTemporaryDir& Folder()
{
    static const QTemporaryDir folder;
    return folder;
}

QString PathOf(const QString& name)
{
    return BackslashPath(Folder().filePath(name));
}

std::unique_ptr<CWebPage> BigPage()
{
    auto page = std::make_unique<CWebPage>();
    page->SetTitle(u"A page with every link it can hold"_s);
    page->SetName(u"Links"_s);
    page->SetMouseTrails(u"star.gif"_s);
    for (qint32 n = 1; n <= Collection::MaxCount; ++n) {
        auto link = std::make_shared<CWebPage>();
        link->SetMode(CWebPage::LinkRecord);
        link->SetName(u"Link number %1"_s.arg(n));
        link->SetMainPicture(u"picture%1.gif"_s.arg(n));
        link->SetMainLink(u"http://www.example.com/pages/page%1.html"_s.arg(n));
        page->Links().Add(link);
    }
    return page;
}

QByteArray BytesOf(const QString& path)
{
    QFile file(NativePath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fail(const char* what)
{
    std::fprintf(stderr, "%s failed\n", what);
    std::exit(1);
}

// The safe replacement of a file at its plainest: the bytes written and committed.
void SafeWrite(const QByteArray& bytes)
{
    QSaveFile file(Folder().filePath(u"plain.txt"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        Fail("QSaveFile");
}

void ReadLines(const QString& path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        Fail("QFile");
    char line[4096];
    qint64 total = 0;
    for (qint64 got; (got = file.readLine(line, sizeof line)) > 0;)
        total += got;
    if (total != file.size())
        Fail("QFile::readLine");
}

// The plainest reader that holds the page: each line's text between its double quotes, decoded
// from the code page, kept in a list.
QStringList DecodedLines(const QString& path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        Fail("QFile");
    QStringDecoder decoder("windows-1252");
    QStringList values;
    char line[4096];
    for (qint64 got; (got = file.readLine(line, sizeof line)) > 0;) {
        const QByteArrayView text(line, got);
        const qsizetype open = text.indexOf('"'), close = text.lastIndexOf('"');
        values.append(close > open ? decoder.decode(text.sliced(open + 1, close - open - 1))
                                   : QString());
    }
    return values;
}

double Milliseconds(const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Comparison {
    double ms, baselineMs;
    double Ratio() const { return ms / baselineMs; }
};

// Each of the two runs kRuns times, in turn; before and beforeBaseline are their untimed
// preparations.
Comparison SideBySide(
    const std::function<void()>& run, const std::function<void()>& baseline,
    const std::function<void()>& before = [] {},
    const std::function<void()>& beforeBaseline = [] {})
{
    std::vector<double> ms, baselineMs;
    for (int n = 0; n < kRuns; ++n) {
        before();
        ms.push_back(Milliseconds(run));
        beforeBaseline();
        baselineMs.push_back(Milliseconds(baseline));
    }
    return {Median(ms), Median(baselineMs)};
}

void Print(const char* what, const Comparison& c, const char* baseline)
{
    std::printf("%-27s %6.1f ms, %s %6.1f ms: %.2fx (medians of %d)\n", what, c.ms, baseline,
                c.baselineMs, c.Ratio(), kRuns);
}

struct LoadHeap {
    std::int64_t page, aboveThePage;
};

// The heap of the page LoadSettings builds, and what it holds beyond it at its worst moment.
LoadHeap LoadSettingsHeap(const QString& path)
{
    auto page = std::make_unique<CWebPage>();
    HeapCounter::Start();
    page->LoadSettings(path);
    HeapCounter::Stop();
    return {HeapCounter::Current(), HeapCounter::Peak() - HeapCounter::Current()};
}

} // namespace

int main()
{
    const std::unique_ptr<CWebPage> page = BigPage();
    const QString settings = PathOf(u"settings.dat"_s), html = PathOf(u"page.html"_s);
    page->SaveSettings(settings);
    page->GeneratePage(html);
    const QByteArray settingsBytes = BytesOf(settings), pageBytes = BytesOf(html);
    std::printf("%d links: settings file %.2f MB, page %.2f MB\n", Collection::MaxCount,
                settingsBytes.size() / 1e6, pageBytes.size() / 1e6);

    // The editor reads the file once, at start, into a fresh heap: before each run what the last
    // read kept is dropped and the heap given back to the system, outside the time.
    std::unique_ptr<CWebPage> loaded;
    QStringList values;
    const auto freshHeap = [&] {
        loaded.reset();
        values = QStringList();
        malloc_trim(0);
        loaded = std::make_unique<CWebPage>();
    };
    const Comparison decoded =
        SideBySide([&] { loaded->LoadSettings(settings); },
                   [&] { values = DecodedLines(settings); }, freshHeap, freshHeap);
    if (values.size() != 30 + 3 * Collection::MaxCount)
        Fail("reading every line");
    const Comparison load = SideBySide([&] { loaded->LoadSettings(settings); },
                                       [&] { ReadLines(settings); }, freshHeap);
    // The editor writes the page it read, as the last load left it.
    const Comparison save =
        SideBySide([&] { loaded->SaveSettings(settings); }, [&] { SafeWrite(settingsBytes); });
    const Comparison generate =
        SideBySide([&] { loaded->GeneratePage(html); }, [&] { SafeWrite(pageBytes); });
    if (BytesOf(settings) != settingsBytes || BytesOf(html) != pageBytes)
        Fail("writing the same bytes again");
    const LoadHeap heap = LoadSettingsHeap(settings);

    Print("LoadSettings", decoded, "decoded lines  ");
    Print("LoadSettings", load, "QFile::readLine");
    Print("SaveSettings", save, "QSaveFile");
    Print("GeneratePage", generate, "QSaveFile");
    std::printf("LoadSettings peak heap above the page %.2f MB = %.2fx the file size; the page "
                "%.1f MB\n",
                double(heap.aboveThePage) / 1e6,
                double(heap.aboveThePage) / double(settingsBytes.size()), double(heap.page) / 1e6);
    std::printf("load-vs-decoded-lines: %.2f\n", decoded.Ratio());
    std::printf("load-vs-readline: %.2f\n", load.Ratio());
    std::printf("save-vs-safe-write: %.2f\n", save.Ratio());
    std::printf("generate-vs-safe-write: %.2f\n", generate.Ratio());
}
