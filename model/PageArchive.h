#pragma once

#include "model/CWebPage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// A page taken along in one ZIP file: a folder named after the page that holds its settings file,
// its HTML page, the trail script and the pictures the page uses, so that the folder unzipped
// anywhere shows the page whole, and an editor on another computer can take the page in.
namespace PageArchive
{

// What an export may bring in, so that a file made to fill the disk is refused before it is read.
constexpr qint64 MaxUnpackedBytes = 200LL * 1000 * 1000;
constexpr qint64 MaxEntries = 10000;

// The title as a file name can hold it, "Home Page" when nothing of it is left.
QString FileTitle(const QString& sTitle);

// Writes the export of the page, whose files lie in sHomeFolder, into sFile, which is replaced
// only once it is complete. The settings and the HTML page are written as Save writes them.
void Export(const CWebPage& page, const QString& sHomeFolder, const QString& sFile);

struct Picture {
    QString name;
    QByteArray bytes;
};

// A page read from an export, every text of it cleaned of markup, since none of it was typed by
// the parent: the pictures it uses that the export holds, each under a name the page can hold.
struct Import {
    CWebPage page;
    QList<Picture> pictures;
    // How many of its texts held markup that was taken out.
    qint32 cleaned = 0;
};

// Reads an export without writing anything outside a temporary folder. An Error that says why
// when the file is no such export, is damaged, holds names that lead out of its folder or links,
// or would take too much room unpacked.
Import Read(const QString& sFile);

// Copies the pictures into sHomeFolder, never over a file there: one whose name is taken by other
// bytes comes in under a free name ("ball-2.jpg"), and the page's references follow it; the same
// bytes already there are used as they are.
void Place(Import& incoming, const QString& sHomeFolder);

} // namespace PageArchive
