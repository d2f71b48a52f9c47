#include "support/TextFileReader.h"

#include "support/ByteScan.h"
#include "support/FileError.h"
#include "support/NativePath.h"

#include <cstring>

namespace
{

constexpr qsizetype kBlockSize = 16 * 1024;

// The first CR or LF from the start on, or the end.
const char* FindLineEnd(const char* from, const char* end)
{
    return ByteScan::FindFirst(from, end, [](ByteScan::Word word) {
        return ByteScan::Equal(word, '\r') | ByteScan::Equal(word, '\n');
    });
}

} // namespace

TextFileReader::TextFileReader(const QString& sPath) : m_path(sPath), m_file(NativePath(sPath))
{
    if (const std::optional<Error> notAFile = FileError::NotAFile(sPath))
        throw *notAFile;
    if (!m_file.open(QIODevice::ReadOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Read);
}

std::optional<QByteArrayView> TextFileReader::ReadLine()
{
    for (;;) {
        const char* data = m_bytes.data();
        const qsizetype end = FindLineEnd(data + m_searched, data + m_end) - data;
        // A CR at the end of what has been read may be the first half of a CR LF.
        const bool whole = end + 1 < m_end || (end < m_end && data[end] == '\n');
        if (whole || (m_atEnd && end < m_end)) {
            const bool crlf = data[end] == '\r' && end + 1 < m_end && data[end + 1] == '\n';
            return TakeLine(end, end + (crlf ? 2 : 1));
        }
        if (m_atEnd)
            return m_position < m_end ? std::optional(TakeLine(end, end)) : std::nullopt;
        m_searched = end;
        ReadBlock();
    }
}

bool TextFileReader::AtEnd()
{
    while (m_position == m_end && !m_atEnd)
        ReadBlock();
    return m_position == m_end;
}

QByteArrayView TextFileReader::TakeLine(qsizetype end, qsizetype next)
{
    const QByteArrayView line(m_bytes.data() + m_position, end - m_position);
    m_position = m_searched = next;
    ++m_lineNumber;
    return line;
}

// Moves the bytes not yet read to the front and reads the next block after them, the buffer
// growing only for a line longer than a block; at the end of the file, notes it.
void TextFileReader::ReadBlock()
{
    const qsizetype rest = m_end - m_position;
    if (rest > 0)
        std::memmove(m_bytes.data(), m_bytes.data() + m_position, size_t(rest));
    m_searched -= m_position;
    m_position = 0;
    if (qsizetype(m_bytes.size()) < rest + kBlockSize)
        m_bytes.resize(size_t(rest + kBlockSize));
    const qint64 got = m_file.read(m_bytes.data() + rest, kBlockSize);
    if (got < 0)
        throw FileError::ReadFailed(m_file, m_path);
    m_end = rest + got;
    m_atEnd = got == 0;
}
