// Times ScanFolder over a tree given on the command line:
//   qz_scan_bench FOLDER [PATTERNS [RUNS]]
// and prints the number of results, the fastest run in milliseconds and the peak memory.
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace
{

qint64 PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "Usage: qz_scan_bench FOLDER [PATTERNS [RUNS]]\n";
        return 2;
    }
    const QString folder = BackslashPath(QDir(args.at(1)).absolutePath());
    const QString patterns = args.size() > 2 ? args.at(2) : u"*.gif,*.jpg,*.bmp"_s;
    const int runs = args.size() > 3 ? args.at(3).toInt() : 10;

    qint64 fastestNs = std::numeric_limits<qint64>::max();
    qsizetype found = 0;
    for (int run = 0; run < runs; ++run) {
        QStringList results;
        QElapsedTimer timer;
        timer.start();
        basProcs::ScanFolder(results, folder, false, QString(), patterns);
        fastestNs = std::min(fastestNs, timer.nsecsElapsed());
        found = results.size();
    }
    out << "results " << found << "\n"
        << "fastest_ms " << QString::number(fastestNs / 1e6, 'f', 2) << "\n"
        << "peak_kib " << PeakMemoryKiB() << "\n";
    return 0;
}
