#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile
{

// The bytes of the file at the "\"-separated path sFile; an Error that names it when it cannot be
// read, or when what stands there is no file (a pipe would keep the reader waiting).
QByteArray Read(const QString& sFile);

} // namespace WholeFile
