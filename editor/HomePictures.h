#pragma once

#include <QString>
#include <QStringView>

// The picture files of a pictures folder: which names the lists show, and the copies that bring
// a picture into the folder under such a name. Every copy is a new file: none ever replaces one.
namespace HomePictures
{

// The names the lists show, as ScanFolder takes them. The match is case-sensitive: "cat.GIF" is
// no such name.
extern const QString Patterns;

bool IsListed(QStringView name);

// For a picture of a format the lists show under another name ("cat.GIF", "cat.jpeg"): the
// extension that they show it under (".gif", ".jpg"), so that a copy can keep the very bytes.
// Empty for a format they do not show at all, which needs a JPEG copy.
QString ListedExtension(const QByteArray& format);

// The first of "stem.ext", "stem-2.ext", "stem-3.ext"... that nothing in the folder is called.
QString FreeName(const QString& sFolder, const QString& sStem, const QString& sExtension);

// Copies the file sSource to sTarget, which must not exist yet. An Error names the file at fault:
// the picture that cannot be read, or the place it cannot be written to.
void Copy(const QString& sSource, const QString& sTarget);

} // namespace HomePictures
