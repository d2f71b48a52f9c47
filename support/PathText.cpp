// The procedures that only take path text apart and put it together; none touches the disk.
#include "support/basProcs.h"

using namespace Qt::StringLiterals;

namespace
{

const QString Backslash = u"\\"_s;

// Paths are trimmed of spaces only: a tab or other white space is part of the name.
QString TrimSpaces(const QString& sText)
{
    qsizetype first = 0;
    qsizetype last = sText.size();
    while (first < last && sText.at(first) == u' ')
        ++first;
    while (last > first && sText.at(last - 1) == u' ')
        --last;
    return sText.sliced(first, last - first);
}

// "C:" without its "\" would name the drive's current folder, not its root.
bool EndsInRemovableBackslash(const QString& sPath)
{
    return sPath.endsWith(Backslash) && sPath.size() > 3;
}

QString FolderPart(const QStringList& components, bool bStripSeparator)
{
    QString folder;
    for (qsizetype i = 0; i + 1 < components.size(); ++i)
        folder += components.at(i) + Backslash;
    if (bStripSeparator && EndsInRemovableBackslash(folder))
        folder.chop(1);
    return folder;
}

QString ExtensionPart(const QString& sFileName)
{
    const QStringList pieces = basProcs::SplitToArray(sFileName, u"."_s, false);
    return pieces.size() > 1 ? pieces.last() : QString();
}

} // namespace

namespace basProcs
{

QString AddBackslash(const QString& sPath)
{
    const QString path = TrimSpaces(sPath);
    return path.endsWith(Backslash) ? path : path + Backslash;
}

QString RemoveBackslash(const QString& sPath)
{
    const QString path = TrimSpaces(sPath);
    return EndsInRemovableBackslash(path) ? path.chopped(1) : sPath;
}

QString TrimAtNull(const QString& sText)
{
    const qsizetype nul = sText.indexOf(QChar(0));
    return nul < 0 ? sText : sText.left(nul);
}

QStringList SplitToArray(const QString& sText, const QString& sDelimiter,
                         bool bIgnoreTrailingDelimiter)
{
    // An empty delimiter separates nothing and yields no items.
    if (sDelimiter.isEmpty())
        return {};
    // Framed by delimiters, the text splits into an empty piece, the items, and an empty piece.
    QString framed = sDelimiter + sText;
    if (!bIgnoreTrailingDelimiter || !framed.endsWith(sDelimiter))
        framed += sDelimiter;
    QStringList pieces = framed.split(sDelimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
    return pieces.mid(1, pieces.size() - 2);
}

QString GetPathPart(const QString& sPath, int iPart, bool bStripSeparator)
{
    QString path = TrimSpaces(sPath);
    if (path.endsWith(Backslash))
        return path;
    const bool bNetwork = path.startsWith(u"\\\\"_s);
    if (bNetwork)
        path.remove(0, 2);
    const QString networkPrefix = bNetwork ? u"\\\\"_s : QString();
    const QStringList components = SplitToArray(path, Backslash, false);

    switch (iPart) {
    case PartFolder:
        return networkPrefix + FolderPart(components, bStripSeparator);
    case PartFileName:
        return components.last();
    case PartExtension:
        return ExtensionPart(components.last());
    case PartRoot:
        return networkPrefix + components.first() + (bStripSeparator ? QString() : Backslash);
    default:
        return QString();
    }
}

} // namespace basProcs
