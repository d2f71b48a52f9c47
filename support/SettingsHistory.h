#pragma once

#include <QDateTime>
#include <QString>

// The earlier versions of a settings file, kept in the folder "history" beside it, so that a save
// never loses what it replaces: each is the file as it was, named after the moment it was
// replaced ("qzhome-20240131-184502.dat"). Bringing one back is copying it over the file.
namespace SettingsHistory
{

// How many earlier versions are kept; older ones are removed.
constexpr int Kept = 20;

// Copies sFile ("\"-separated) into the history as it stands, named after now in local time (or
// after the newest copy when now is earlier), with "-2", "-3" and so on added when that name is
// taken, and then removes all but the newest Kept copies; when the newest copy already holds the
// same bytes, none is added. Returns the copy's path; an Error that says why none could be made.
QString Keep(const QString& sFile, const QDateTime& now = QDateTime::currentDateTime());

} // namespace SettingsHistory
