#pragma once

#include "CWebPage.h"

#include <QByteArray>
#include <QString>

// The representative pages whose files stand in golden/: "empty" (a new page), "one" (a title,
// colours, one link), "three" (everything, a mouse trail, links with missing fields), "four" (no
// title, black background, link colours unset) and "link" (a link on its own, as previewed).
void FillSamplePage(CWebPage& page, const QString& name);

// A golden file's bytes.
QByteArray Golden(const QString& fileName);

// The file's first count lines (each ended by CR LF), and the file with one line replaced.
QByteArray FirstLines(const QByteArray& file, int count);
QByteArray WithLine(const QByteArray& file, int line, const QByteArray& text);
