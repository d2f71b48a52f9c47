// The page model on the largest page it can hold: 32766 links with a caption, a picture and an
// address each. Each of GeneratePage, SaveSettings and LoadSettings runs beside a plain QFile
// writing or reading the same bytes, and the summary gives the ratio of the two; it also gives
// the most heap LoadSettings holds beyond the page it builds, against the size of the file.
#include "bench/HeapCounter.h"
#include "model/CWebPage.h"
#include "support/NativePath.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace
{

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

const CWebPage& ThePage()
{
    static const std::unique_ptr<CWebPage> page = BigPage();
    return *page;
}

QByteArray BytesOf(const QString& path)
{
    QFile file(NativePath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files the model writes, once, to compare against.
const QByteArray& SettingsBytes()
{
    static const QByteArray bytes = [] {
        ThePage().SaveSettings(PathOf(u"settings.dat"_s));
        return BytesOf(PathOf(u"settings.dat"_s));
    }();
    return bytes;
}

const QByteArray& PageBytes()
{
    static const QByteArray bytes = [] {
        ThePage().GeneratePage(PathOf(u"page.html"_s));
        return BytesOf(PathOf(u"page.html"_s));
    }();
    return bytes;
}

void WriteWithQFile(benchmark::State& state, const QByteArray& bytes)
{
    QFile file(Folder().filePath(u"plain.txt"_s));
    for (auto _ : state) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            state.SkipWithError("QFile could not write");
        file.close();
    }
}

void GeneratePage(benchmark::State& state)
{
    for (auto _ : state)
        ThePage().GeneratePage(PathOf(u"page.html"_s));
}

void QFileWritePage(benchmark::State& state)
{
    WriteWithQFile(state, PageBytes());
}

void SaveSettings(benchmark::State& state)
{
    for (auto _ : state)
        ThePage().SaveSettings(PathOf(u"settings.dat"_s));
}

void QFileWriteSettings(benchmark::State& state)
{
    WriteWithQFile(state, SettingsBytes());
}

void LoadSettings(benchmark::State& state)
{
    SettingsBytes();
    for (auto _ : state) {
        auto page = std::make_unique<CWebPage>();
        page->LoadSettings(PathOf(u"settings.dat"_s));
        // The editor reads the file once, at start, into a fresh heap.
        state.PauseTiming();
        page.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void QFileReadAll(benchmark::State& state)
{
    SettingsBytes();
    for (auto _ : state) {
        QFile file(Folder().filePath(u"settings.dat"_s));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

// The same bytes as a text file is read, a line at a time.
void QFileReadLines(benchmark::State& state)
{
    SettingsBytes();
    char line[4096];
    for (auto _ : state) {
        QFile file(Folder().filePath(u"settings.dat"_s));
        file.open(QIODevice::ReadOnly);
        while (file.readLine(line, sizeof line) > 0)
            benchmark::DoNotOptimize(line);
    }
}

// Reads the file into a new page and gives the heap held at the worst moment beyond the page.
std::int64_t LoadSettingsPeakAbovePage()
{
    SettingsBytes();
    auto page = std::make_unique<CWebPage>();
    HeapCounter::Start();
    page->LoadSettings(PathOf(u"settings.dat"_s));
    HeapCounter::Stop();
    return HeapCounter::Peak() - HeapCounter::Current();
}

// The console report, and the mean real time of each benchmark for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }

    void PrintRatio(const char* model, const char* plain, const char* what, double target) const
    {
        if (!m_milliseconds.contains(model) || !m_milliseconds.contains(plain))
            return;
        const double ms = m_milliseconds.at(model);
        const double plainMs = m_milliseconds.at(plain);
        std::printf("%-13s %7.1f ms = %4.1fx %s with QFile (%.1f ms); target %.0fx\n", model, ms,
                    ms / plainMs, what, plainMs, target);
    }

private:
    std::map<std::string, double> m_milliseconds;
};

} // namespace

// Each runs five times; the summary compares their medians.
#define QZ_BENCHMARK(name)                                                                         \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)

QZ_BENCHMARK(GeneratePage);
QZ_BENCHMARK(QFileWritePage);
QZ_BENCHMARK(SaveSettings);
QZ_BENCHMARK(QFileWriteSettings);
QZ_BENCHMARK(LoadSettings);
QZ_BENCHMARK(QFileReadAll);
QZ_BENCHMARK(QFileReadLines);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%d links: settings file %.2f MB, page %.2f MB\n", Collection::MaxCount,
                SettingsBytes().size() / 1e6, PageBytes().size() / 1e6);
    reporter.PrintRatio("GeneratePage", "QFileWritePage", "writing the page", 5);
    reporter.PrintRatio("SaveSettings", "QFileWriteSettings", "writing the file", 5);
    reporter.PrintRatio("LoadSettings", "QFileReadLines", "reading its lines", 10);
    reporter.PrintRatio("LoadSettings", "QFileReadAll", "reading it at once", 10);
    const std::int64_t peak = LoadSettingsPeakAbovePage();
    std::printf("LoadSettings  peak heap above the page %.2f MB = %.2fx the file size; target 3x\n",
                peak / 1e6, double(peak) / SettingsBytes().size());
    benchmark::Shutdown();
}
