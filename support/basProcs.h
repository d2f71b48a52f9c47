#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Questions about "\"-separated paths, files and folders. None of them throws: to their callers
// a file that cannot be found or tested is an answer (false, empty text), not a failure.
namespace basProcs
{

// The trimmed path, ending in "\" so that a name can be appended to it.
QString AddBackslash(const QString& sPath);
// Drops a final "\", except a drive root's: "C:" alone would mean the drive's current folder.
// A path without one comes back as given, untrimmed.
QString RemoveBackslash(const QString& sPath);
// True for a file and for a folder. False for a root such as "C:\", which no folder lists:
// FolderExists is the test for those.
bool PathExists(const QString& sPath);
// Unlike PathExists also true for a root, provided a file can be written there: writing is the
// only test a root answers.
bool FolderExists(const QString& sFolder);
// Found out by writing and deleting a test file: permissions alone do not tell (read-only media,
// network shares).
bool IsFolderWritable(const QString& sFolder);
// Creates an empty file of the caller's own, such as "tst1A2F.tmp" for the prefix "tst", in the
// folder (the system's temporary folder without one) and returns its path; empty text when the
// folder cannot take it.
QString GetTempFile(const QString& sPrefix);
QString GetTempFile(const QString& sPrefix, const QString& sFolder);
// For text out of a fixed-size buffer: what stands before the first NUL, or all of it.
QString TrimAtNull(const QString& sText);
// Every piece between delimiters, empty ones too, so that an item's place in the text is its
// place in the list. bIgnoreTrailingDelimiter lets a list end in a delimiter ("*.gif,") without
// an empty last item.
QStringList SplitToArray(const QString& sText, const QString& sDelimiter,
                         bool bIgnoreTrailingDelimiter);

enum PathPart : int { PartFolder = 0, PartFileName = 1, PartExtension = 2, PartRoot = 5 };
// The folder, file name, extension or root of a path. A path ending in "\" has no file name to
// cut off, so every part of it is the whole path, trimmed.
QString GetPathPart(const QString& sPath, int iPart = PartFolder, bool bStripSeparator = true);

// Appends to results the full path of every file below sFolder, depth first, whose name matches
// one of the comma-separated wildcard patterns (every file when the list is empty). With
// bIncludeFolders every subfolder is a result too, and files are chosen by sFolderModePattern
// instead. Hidden entries are left out; a missing folder adds nothing.
void ScanFolder(QStringList& results, const QString& sFolder, bool bIncludeFolders,
                const QString& sFolderModePattern, const QString& sPatternList);

// The path of a special folder by its shell id (0: the desktop), or empty text for an unknown id.
QString GetSpecialFolder(qint32 lFolderId, qint32 lFlags);
// Where a file dialog opens on sFolder: the folder when it exists, else the user's home folder.
QString ExistingOrHomeFolder(const QString& sFolder);

} // namespace basProcs
