#include "support/SettingsHistory.h"

#include "support/FileError.h"
#include "support/FileNameParts.h"
#include "support/NativePath.h"
#include "support/NewFile.h"
#include "support/WholeFile.h"
#include "support/basProcs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace basProcs;

namespace
{

// A copy's name in parts: "qzhome", "-20240131-184502", "-2" or nothing, ".dat".
struct CopyName {
    QString stem, moment, extension;
    int number = 1;

    QString Text() const
    {
        return stem + u'-' + moment + (number > 1 ? u"-%1"_s.arg(number) : QString()) + extension;
    }
    // Newer: a later moment, or the same moment with a higher number.
    bool operator<(const CopyName& other) const
    {
        return std::pair(moment, number) < std::pair(other.moment, other.number);
    }
};

QString FolderOf(const QString& sFile)
{
    return FileNameParts::Of(sFile).folder + u"history"_s;
}

CopyName NameFor(const QString& sFile, const QDateTime& now)
{
    const FileNameParts parts = FileNameParts::Of(sFile);
    return {parts.stem, now.toString(u"yyyyMMdd-HHmmss"_s), parts.extension};
}

// The copies of the file in the history, oldest first; other files there are not ours.
QList<CopyName> CopiesIn(const QString& sFolder, const CopyName& pattern)
{
    const QRegularExpression form(u"^%1-(\\d{8}-\\d{6})(?:-(\\d+))?%2$"_s.arg(
        QRegularExpression::escape(pattern.stem), QRegularExpression::escape(pattern.extension)));
    QList<CopyName> copies;
    for (const QString& name : QDir(NativePath(sFolder)).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = form.match(name);
        if (match.hasMatch())
            copies.append({pattern.stem, match.captured(1), pattern.extension,
                           match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()});
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

// Only files are opened: a pipe in the history would keep the editor waiting for a writer.
bool SameBytes(const QString& sOne, const QString& sOther)
{
    QFile one(NativePath(sOne)), other(NativePath(sOther));
    return QFileInfo(one).isFile() && QFileInfo(other).isFile() && one.size() == other.size() &&
           one.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly) &&
           one.readAll() == other.readAll();
}

// A copy that cannot be removed stays: keeping one too many loses nothing.
void RemoveOldest(const QString& sFolder, const CopyName& pattern)
{
    const QList<CopyName> copies = CopiesIn(sFolder, pattern);
    for (qsizetype i = 0; i + SettingsHistory::Kept < copies.size(); ++i)
        QFile::remove(NativePath(AddBackslash(sFolder) + copies[i].Text()));
}

} // namespace

namespace SettingsHistory
{

QString Keep(const QString& sFile, const QDateTime& now)
{
    const QString folder = FolderOf(sFile);
    CopyName name = NameFor(sFile, now);
    const QList<CopyName> copies = CopiesIn(folder, name);
    // Saving again what is already kept keeps nothing new, so that saves without a change never
    // push older versions out of the history.
    if (!copies.isEmpty()) {
        const QString newest = AddBackslash(folder) + copies.constLast().Text();
        if (SameBytes(sFile, newest))
            return newest;
    }
    // The copy made now must sort newest, so that it is never the one removed: with the clock
    // behind the newest copy (set back, the hour that repeats in autumn, copies from another
    // machine) it takes that copy's moment. After the highest number of the moment, not in the
    // first gap: the oldest copies of a busy second are removed, and a new one must still sort
    // after the rest.
    if (!copies.isEmpty())
        name.moment = std::max(name.moment, copies.constLast().moment);
    for (const CopyName& older : copies) {
        if (older.moment == name.moment)
            name.number = std::max(name.number, older.number + 1);
    }
    const QByteArray bytes = WholeFile::Read(sFile);
    // A history that is a link would put the copies, and the removal of old ones, elsewhere.
    if (QFileInfo(NativePath(folder)).isSymLink() || !QDir().mkpath(NativePath(folder)))
        throw FileError::FolderNotMade(folder);
    // Two editors keeping a copy at the same moment never write one file: a name taken meanwhile
    // is passed over for the next number.
    const QString copy = NewFile::Write(
        folder,
        [name](int iNumber) {
            CopyName numbered = name;
            numbered.number += iNumber - 1;
            return numbered.Text();
        },
        bytes, QFile::permissions(NativePath(sFile)));
    RemoveOldest(folder, name);
    return copy;
}

} // namespace SettingsHistory
