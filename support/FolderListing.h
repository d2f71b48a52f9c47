#pragma once

#include <QString>
#include <functional>

// Receives one entry of a folder: its name and whether it is a folder itself.
using FolderEntryVisitor = std::function<void(const QString& name, bool bFolder)>;

// Hands every visible entry of a native folder path to visit, in the order in which the file
// system lists them. Left out are "." and "..", hidden entries (on Windows hidden or system ones,
// elsewhere names that start with "."), and whatever is neither file nor folder. A folder that
// cannot be read has no entries.
void ListFolder(const QString& sNativeFolder, const FolderEntryVisitor& visit);
