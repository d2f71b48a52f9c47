#include "support/TextFileWriter.h"

#include "support/FileError.h"
#include "support/NativePath.h"

using namespace Qt::StringLiterals;

namespace
{

// Text is encoded and written a block at a time, which keeps memory small for any file.
constexpr qsizetype kBlockSize = 32 * 1024;

} // namespace

TextFileWriter::TextFileWriter(const QString& sPath) : m_path(sPath), m_file(NativePath(sPath))
{
    if (!m_file.open(QIODevice::WriteOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Write);
    m_pending.reserve(kBlockSize);
}

void TextFileWriter::Write(QStringView text)
{
    m_pending.append(text.utf16(), size_t(text.size()));
    if (m_pending.size() >= size_t(kBlockSize))
        Flush();
}

void TextFileWriter::WriteLine(QStringView text)
{
    m_pending.append(text.utf16(), size_t(text.size()));
    Write(u"\r\n");
}

void TextFileWriter::Commit()
{
    Flush();
    // commit() alone would put a short file in place when its last write fails (a full disk).
    if (!m_file.flush() || !m_file.commit())
        throw FileError::WriteFailed(m_path);
}

void TextFileWriter::Flush()
{
    const QByteArray bytes = m_codePage.Encode(QStringView(m_pending));
    m_pending.clear();
    if (m_file.write(bytes) != bytes.size())
        throw FileError::WriteFailed(m_path);
}
