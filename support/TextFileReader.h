#pragma once

#include "support/CodePage.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// Reads a text file in the code page line by line, a block at a time, so that memory stays small
// whatever the size of the file. Lines may end in CR LF or in LF alone.
class TextFileReader
{
public:
    // Opens the file; an Error when it cannot be opened.
    explicit TextFileReader(const QString& sPath);

    // The next line without its line end, valid until the next call; nothing at the end of the
    // file. An Error when the file cannot be read.
    std::optional<QStringView> ReadLine();
    // The number of the line last read, from 1; 0 before the first.
    qint64 LineNumber() const { return m_lineNumber; }
    const QString& Path() const { return m_path; }

private:
    bool ReadBlock();

    QString m_path;
    QFile m_file;
    CodePage m_codePage;
    QByteArray m_bytes;
    QString m_text;
    qsizetype m_position = 0;
    qint64 m_lineNumber = 0;
};
