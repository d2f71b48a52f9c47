#include "support/TextFileWriter.h"

#include "support/FileError.h"
#include "support/NativePath.h"

#include <QFileInfo>
#include <type_traits>

namespace
{

// Large enough that writing costs few calls of the system, small enough for any file.
constexpr qsizetype kBlockSize = 1024 * 1024;

} // namespace

TextFileWriter::TextFileWriter(const QString& sPath)
    : m_path(sPath), m_file(NativePath(sPath)), m_buffer(kBlockSize)
{
    const bool linkGone =
        !QFileInfo(m_file.fileName()).isSymLink() || QFile::remove(m_file.fileName());
    if (!linkGone || !m_file.open(QIODevice::WriteOnly))
        throw FileError::OpenFailed(m_file, m_path, FileError::Access::Write);
}

void TextFileWriter::Write(QAnyStringView text)
{
    static const AsciiNarrower anyAscii;
    if (WriteAscii(text, anyAscii))
        return;
    const QByteArray bytes = m_codePage.Encode(text.toString());
    std::memcpy(Room(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

bool TextFileWriter::WriteAscii(QAnyStringView text, const AsciiNarrower& narrower)
{
    char* out = Room(text.size());
    const bool ascii = text.visit([&](auto view) {
        if constexpr (std::is_same_v<decltype(view), QStringView>)
            return narrower.Narrow(view, out);
        else // Latin-1 or UTF-8
            return narrower.Narrow(QByteArrayView(view.data(), view.size()), out);
    });
    if (ascii)
        m_used += text.size();
    return ascii;
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
