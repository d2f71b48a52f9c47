#pragma once

#include <QString>

class Error;

// A settings file that could not be read whole: the page shows what could be read, and the file
// itself is copied aside before a save can replace it, so that nothing the user had is lost.
namespace DamagedFile
{

// Copies sFile beside itself as "name-damaged.ext" ("name-damaged-2.ext" and so on when that is
// taken) and returns what to tell the user: that the file is damaged, what readError found
// wrong, and where the copy is, or that none could be made.
QString SetAside(const QString& sFile, const Error& readError);

} // namespace DamagedFile
