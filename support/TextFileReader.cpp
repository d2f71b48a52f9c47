#include "support/TextFileReader.h"

#include "support/ByteScan.h"
#include "support/FileError.h"
#include "support/NativePath.h"

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
    if (!m_file.open(QIODevice::ReadOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Read);
}

std::optional<QByteArrayView> TextFileReader::ReadLine()
{
    for (;;) {
        const char* data = m_bytes.constData();
        const qsizetype end = FindLineEnd(data + m_searched, data + m_bytes.size()) - data;
        // A CR at the end of what has been read may be the first half of a CR LF.
        const bool whole = end + 1 < m_bytes.size() || (end < m_bytes.size() && data[end] == '\n');
        if (whole || (m_atEnd && end < m_bytes.size())) {
            const bool crlf =
                data[end] == '\r' && end + 1 < m_bytes.size() && data[end + 1] == '\n';
            return TakeLine(end, end + (crlf ? 2 : 1));
        }
        if (m_atEnd)
            return m_position < m_bytes.size() ? std::optional(TakeLine(end, end)) : std::nullopt;
        m_searched = end;
        ReadBlock();
    }
}

QByteArrayView TextFileReader::TakeLine(qsizetype end, qsizetype next)
{
    const QByteArrayView line = QByteArrayView(m_bytes).sliced(m_position, end - m_position);
    m_position = m_searched = next;
    ++m_lineNumber;
    return line;
}

// Drops the lines already read and appends the next block; at the end of the file, notes it.
void TextFileReader::ReadBlock()
{
    m_bytes.remove(0, m_position);
    m_searched -= m_position;
    m_position = 0;
    const qsizetype size = m_bytes.size();
    m_bytes.resize(size + kBlockSize);
    const qint64 got = m_file.read(m_bytes.data() + size, kBlockSize);
    if (got < 0)
        throw FileError::ReadFailed(m_file, m_path);
    m_bytes.resize(size + got);
    m_atEnd = got == 0;
}
