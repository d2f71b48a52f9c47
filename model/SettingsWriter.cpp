#include "model/SettingsWriter.h"

#include "model/SettingsLayout.h"

using namespace Qt::StringLiterals;

namespace
{

// The value as it is stored: each double quote doubled, each line break a blank, each "&#" kept
// apart from the references that stand for characters the code page lacks.
QString Stored(QString stored)
{
    stored.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
    stored.replace(SettingsLayout::TypedReferenceStart, SettingsLayout::StoredReferenceStart);
    return stored.replace(u"\""_s, u"\"\""_s);
}

} // namespace

SettingsWriter::SettingsWriter(const QString& sFile) : m_out(sFile) {}

void SettingsWriter::WriteHeader()
{
    WriteText(SettingsLayout::Header);
}

void SettingsWriter::WriteText(QAnyStringView value)
{
    m_out.Write("\""_L1);
    // Plain values, nearly all of them, are stored as they are.
    static const AsciiNarrower plain("\"\r\n&"_L1);
    if (!m_out.WriteAscii(value, plain))
        m_out.Write(Stored(value.toString()));
    m_out.WriteLine("\""_L1);
}

void SettingsWriter::WriteNumber(qint32 value)
{
    WriteText(value < 0 ? QString::number(value) : u' ' + QString::number(value));
}

void SettingsWriter::WriteEmpty(qint64 lines)
{
    for (qint64 line = 0; line < lines; ++line)
        m_out.WriteLine("\"\""_L1);
}

void SettingsWriter::Commit()
{
    m_out.Commit();
}
