#pragma once

#include <QString>

// An install for every user of the machine puts the program in <prefix>/bin and the rest of the
// application folder, its starting files, in <prefix>/share/qzbrowser-editor, where a user may not
// write. Such a program works in the user's own application folder instead, laid out from the
// starting files the first time it runs. Paths are "\"-separated text.
namespace SharedInstall
{

// The starting files' folder when the program in sProgramFolder is installed that way; empty text
// when the program lies in an application folder of its own.
QString StartingFiles(const QString& sProgramFolder);

// The user's own application folder: "qzbrowser-editor" in the user's data folder.
QString UserFolder();

// Copies sStartingFiles to sUserFolder unless sUserFolder is there already, so the user's page is
// never replaced. The copy is made beside it and renamed when whole: a failed copy leaves nothing.
void LayOut(const QString& sStartingFiles, const QString& sUserFolder);

} // namespace SharedInstall
