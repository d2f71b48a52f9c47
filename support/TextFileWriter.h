#pragma once

#include "support/AsciiNarrower.h"
#include "support/CodePage.h"

#include <QAnyStringView>
#include <QLatin1StringView>
#include <QSaveFile>
#include <QString>
#include <cstring>
#include <vector>

// Writes a text file in the code page with CR LF line ends. The file is replaced only by Commit,
// once every byte has been written: until then, and for good when the writer is dropped without
// Commit (an error on the way), the previous file stays whole. Bytes are gathered in a buffer
// of its own and written a large block at a time: a page is written in many small pieces. A link
// in the file's place goes at the start, and the file takes its place: what it leads to, which
// may lie outside the folder, is never written.
class TextFileWriter
{
public:
    // Starts the new file; an Error when it cannot be created.
    explicit TextFileWriter(const QString& sPath);

    // Text of the program's own, in ASCII, which every code page holds as it is.
    void Write(QLatin1StringView ascii)
    {
        std::memcpy(Room(ascii.size()), ascii.data(), size_t(ascii.size()));
        m_used += ascii.size();
    }
    void WriteLine() { Write(QLatin1StringView("\r\n")); }
    void WriteLine(QLatin1StringView ascii)
    {
        Write(ascii);
        WriteLine();
    }
    // Any text, each character the code page cannot hold as a reference.
    void Write(QAnyStringView text);
    // The text when the narrower takes it, and true; else nothing, and false.
    bool WriteAscii(QAnyStringView text, const AsciiNarrower& narrower);
    void WriteLine(QAnyStringView text)
    {
        Write(text);
        WriteLine();
    }
    // Finishes the file and puts it in place of the old one; an Error when that fails.
    void Commit();

private:
    // Where the next size bytes go, the buffer written out first when they do not fit.
    char* Room(qsizetype size)
    {
        if (qsizetype(m_buffer.size()) - m_used < size)
            Flush(size);
        return m_buffer.data() + m_used;
    }
    void Flush(qsizetype room);

    QString m_path;
    QSaveFile m_file;
    CodePage m_codePage;
    // Plain storage: Qt's containers check on every access whether they are shared.
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
};
