#pragma once

#include "support/CodePage.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>
#include <vector>

// Reads a text file in the code page line by line, a block at a time, so that memory stays small
// whatever the size of the file. A line ends in CR LF, LF or CR alone. Lines are given as their
// bytes, found without decoding: no code page uses the CR or LF byte inside a character.
class TextFileReader
{
public:
    // Opens the file; an Error when it cannot be opened or is no file.
    explicit TextFileReader(const QString& sPath);

    // The next line's bytes without their line end, valid until the next call; nothing at the end
    // of the file. An Error when the file cannot be read.
    std::optional<QByteArrayView> ReadLine();
    // Whether nothing follows the line last read. It may read on, after which the bytes of that
    // line are no longer valid.
    bool AtEnd();
    // Bytes of the file as text.
    QString Decode(QByteArrayView bytes) { return m_codePage.Decode(bytes); }
    // The number of the line last read, from 1; 0 before the first.
    qint64 LineNumber() const { return m_lineNumber; }
    const QString& Path() const { return m_path; }

private:
    void ReadBlock();
    QByteArrayView TakeLine(qsizetype end, qsizetype next);

    QString m_path;
    QFile m_file;
    CodePage m_codePage;
    // Plain storage, as the writer's; the bytes read end at m_end.
    std::vector<char> m_bytes;
    qsizetype m_end = 0;
    // Where the next line starts, and how far it has been searched for its end.
    qsizetype m_position = 0;
    qsizetype m_searched = 0;
    bool m_atEnd = false;
    qint64 m_lineNumber = 0;
};
