#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Stateless procedures on "\"-separated path text, files and folders. None of them raises an
// error: a file or folder that cannot be found or tested gives false or empty text.
namespace basProcs
{

// The trimmed path ending in "\" ("C:\Prog" and " C:\Prog\ " both give "C:\Prog\").
QString AddBackslash(const QString& sPath);
// The trimmed path without its final "\", unless that would leave a root ("C:\" stays "C:\");
// a path that does not end in "\" comes back exactly as passed in.
QString RemoveBackslash(const QString& sPath);
// Whether a file or folder entry exists at the path; a root is no entry and is reported missing.
bool PathExists(const QString& sPath);
// Whether the folder exists; a root counts as existing when a file can be created in it.
bool FolderExists(const QString& sFolder);
// Whether a file can be created, written and deleted in the folder.
bool IsFolderWritable(const QString& sFolder);
// Creates a new empty file with a unique name (the first three characters of the prefix, a
// hexadecimal number and ".tmp") in the folder, or in the system's temporary folder, and returns
// its full path; empty text when the folder cannot take it.
QString GetTempFile(const QString& sPrefix);
QString GetTempFile(const QString& sPrefix, const QString& sFolder);
// The text before its first NUL character, or the whole text when it holds none.
QString TrimAtNull(const QString& sText);
// The items between the delimiters, empty ones included ("a,,b" gives "a", "", "b"). With
// bIgnoreTrailingDelimiter a final delimiter adds no empty item; an empty text then gives none.
QStringList SplitToArray(const QString& sText, const QString& sDelimiter,
                         bool bIgnoreTrailingDelimiter);

enum PathPart : int { PartFolder = 0, PartFileName = 1, PartExtension = 2, PartRoot = 5 };
// One part of a path: its folder, file name, extension or root. A path that ends in "\" is
// returned whole (trimmed) for every part.
QString GetPathPart(const QString& sPath, int iPart = PartFolder, bool bStripSeparator = true);

// Appends to results the full path of every file below sFolder, depth first, whose name matches
// one of the comma-separated wildcard patterns (every file when the list is empty). With
// bIncludeFolders every subfolder is a result too, and files are chosen by sFolderModePattern
// instead. Hidden entries are left out; a missing folder adds nothing.
void ScanFolder(QStringList& results, const QString& sFolder, bool bIncludeFolders,
                const QString& sFolderModePattern, const QString& sPatternList);

// The path of a special folder by its shell id (0: the desktop), or empty text for an unknown id.
QString GetSpecialFolder(qint32 lFolderId, qint32 lFlags);

} // namespace basProcs
