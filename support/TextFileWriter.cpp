#include "support/TextFileWriter.h"

#include "support/FileError.h"
#include "support/NativePath.h"

namespace
{

// Large enough that writing costs few calls of the system, small enough for any file.
constexpr qsizetype kBlockSize = 256 * 1024;

} // namespace

TextFileWriter::TextFileWriter(const QString& sPath)
    : m_path(sPath), m_file(NativePath(sPath)), m_buffer(kBlockSize)
{
    if (!m_file.open(QIODevice::WriteOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Write);
}

void TextFileWriter::Write(QStringView text)
{
    if (WriteAsciiWithout(text, {}))
        return;
    const QByteArray bytes = m_codePage.Encode(text);
    std::memcpy(Room(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

bool TextFileWriter::WriteAsciiWithout(QStringView text, QLatin1StringView excluded)
{
    if (!CodePage::EncodeAscii(text, Room(text.size()), excluded))
        return false;
    m_used += text.size();
    return true;
}

void TextFileWriter::Commit()
{
    Flush(0);
    // commit() alone would put a short file in place when its last write fails (a full disk).
    if (!m_file.flush() || !m_file.commit())
        throw FileError::WriteFailed(m_path);
}

void TextFileWriter::Flush(qsizetype room)
{
    if (m_file.write(m_buffer.data(), m_used) != m_used)
        throw FileError::WriteFailed(m_path);
    m_used = 0;
    if (room > qsizetype(m_buffer.size()))
        m_buffer.resize(size_t(room));
}
