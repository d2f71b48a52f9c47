#include "support/TextFileReader.h"

#include "support/FileError.h"
#include "support/NativePath.h"

namespace
{

constexpr qsizetype kBlockSize = 16 * 1024;

} // namespace

TextFileReader::TextFileReader(const QString& sPath) : m_path(sPath), m_file(NativePath(sPath))
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Read);
}

std::optional<QStringView> TextFileReader::ReadLine()
{
    qsizetype end = m_text.indexOf(u'\n', m_position);
    while (end < 0 && ReadBlock())
        end = m_text.indexOf(u'\n', m_position);
    if (m_position >= m_text.size())
        return std::nullopt;
    if (end < 0)
        end = m_text.size();
    QStringView line = QStringView(m_text).sliced(m_position, end - m_position);
    if (line.endsWith(u'\r'))
        line.chop(1);
    m_position = end + 1;
    ++m_lineNumber;
    return line;
}

// Decodes the bytes up to the last line end read so far, which keeps a character of several
// bytes whole: no code page uses the LF byte inside a character. False at the end of the file.
bool TextFileReader::ReadBlock()
{
    m_text.remove(0, m_position);
    m_position = 0;
    qsizetype lineEnd = -1;
    while (lineEnd < 0) {
        const qsizetype size = m_bytes.size();
        m_bytes.resize(size + kBlockSize);
        const qint64 got = m_file.read(m_bytes.data() + size, kBlockSize);
        if (got < 0)
            throw FileError::ReadFailed(m_file, m_path);
        m_bytes.resize(size + got);
        if (got == 0 && m_bytes.isEmpty())
            return false;
        const qsizetype inBlock = QByteArrayView(m_bytes).sliced(size).lastIndexOf('\n');
        if (got == 0)
            lineEnd = m_bytes.size() - 1;
        else if (inBlock >= 0)
            lineEnd = size + inBlock;
    }
    m_text += m_codePage.Decode(QByteArrayView(m_bytes).first(lineEnd + 1));
    m_bytes.remove(0, lineEnd + 1);
    return true;
}
