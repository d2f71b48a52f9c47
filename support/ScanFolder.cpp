// The recursive listing of the files below a folder whose names match a list of patterns.
#include "support/FolderListing.h"
#include "support/NativePath.h"
#include "support/Wildcard.h"
#include "support/basProcs.h"

#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace
{

// One call of ScanFolder: what it looks for, where it has been, and what it has found.
class FolderScan
{
public:
    FolderScan(QStringList& results, bool bIncludeFolders, const QString& sFolderModePattern,
               const QString& sPatternList);

    void Scan(const QString& sFolder);

private:
    bool IsWanted(QStringView fileName) const;
    bool IsNew(const QString& sNativeFolder);

    QStringList& m_results;
    const bool m_bIncludeFolders;
    // A file is a result when it matches one of the patterns, or always with m_bAllFiles.
    QList<Wildcard> m_patterns;
    bool m_bAllFiles = false;
    // Where links lead back up the tree, a folder already listed is not listed again.
    QSet<QString> m_scanned;
};

FolderScan::FolderScan(QStringList& results, bool bIncludeFolders,
                       const QString& sFolderModePattern, const QString& sPatternList)
    : m_results(results), m_bIncludeFolders(bIncludeFolders)
{
    if (bIncludeFolders) {
        if (!sFolderModePattern.isEmpty())
            m_patterns.append(Wildcard(sFolderModePattern));
    } else if (sPatternList.isEmpty()) {
        m_bAllFiles = true;
    } else {
        for (const QString& pattern : basProcs::SplitToArray(sPatternList, u","_s, true))
            m_patterns.append(Wildcard(pattern));
    }
}

bool FolderScan::IsWanted(QStringView fileName) const
{
    return m_bAllFiles ||
           std::any_of(m_patterns.cbegin(), m_patterns.cend(),
                       [fileName](const Wildcard& w) { return w.Matches(fileName); });
}

bool FolderScan::IsNew(const QString& sNativeFolder)
{
    const QString canonical = QFileInfo(sNativeFolder).canonicalFilePath();
    if (canonical.isEmpty() || m_scanned.contains(canonical))
        return false;
    m_scanned.insert(canonical);
    return true;
}

void FolderScan::Scan(const QString& sFolder)
{
    const QString prefix = basProcs::AddBackslash(sFolder);
    const QString native = NativePath(prefix);
    if (!IsNew(native))
        return;
    // This folder's own entries all come before anything found in its subfolders.
    QStringList subfolders;
    ListFolder(native, [&](const QString& name, bool bFolder) {
        if (bFolder) {
            subfolders.append(prefix + name);
            if (m_bIncludeFolders)
                m_results.append(prefix + name);
        } else if (IsWanted(name)) {
            m_results.append(prefix + name);
        }
    });
    for (const QString& subfolder : std::as_const(subfolders))
        Scan(subfolder);
}

} // namespace

namespace basProcs
{

void ScanFolder(QStringList& results, const QString& sFolder, bool bIncludeFolders,
                const QString& sFolderModePattern, const QString& sPatternList)
{
    FolderScan(results, bIncludeFolders, sFolderModePattern, sPatternList).Scan(sFolder);
}

} // namespace basProcs
