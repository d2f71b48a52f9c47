// New empty files with unique names, for callers that need a file of their own in a folder.
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace
{

// The unique numbers run from 1 to FFFF (hexadecimal), so four digits at most.
constexpr quint32 LastNumber = 0xFFFF;

QString TempFileName(const QString& sPrefix, quint32 number)
{
    return sPrefix.left(3) + QString::number(number, 16).toUpper() + u".tmp"_s;
}

} // namespace

namespace basProcs
{

QString GetTempFile(const QString& sPrefix)
{
    return GetTempFile(sPrefix, BackslashPath(QDir::tempPath()));
}

QString GetTempFile(const QString& sPrefix, const QString& sFolder)
{
    // An empty folder names no folder at all; it must not quietly become the current one.
    if (sFolder.isEmpty())
        return QString();
    const QString folder = sFolder.endsWith(u'\\') ? sFolder : sFolder + u'\\';
    // Starting at a random number keeps the names of several programs apart; from there the
    // numbers are tried in turn until one names no file yet.
    quint32 number = QRandomGenerator::global()->bounded(LastNumber) + 1;
    for (quint32 tried = 0; tried < LastNumber; ++tried) {
        const QString path = folder + TempFileName(sPrefix, number);
        QFile file(NativePath(path));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        // Any failure other than a taken name means that the folder cannot take a file.
        if (!PathExists(path))
            return QString();
        number = number % LastNumber + 1;
    }
    return QString();
}

} // namespace basProcs
