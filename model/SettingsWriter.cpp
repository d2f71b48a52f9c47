#include "model/SettingsWriter.h"

#include "model/SettingsLayout.h"

using namespace Qt::StringLiterals;

namespace
{

// The value as it is stored: each double quote doubled, each line break a blank, each "&#" kept
// apart from the references that stand for characters the code page lacks.
QString Stored(const QString& value)
{
    QString stored = value;
    stored.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
    stored.replace(SettingsLayout::TypedReferenceStart, SettingsLayout::StoredReferenceStart);
    return stored.replace(u"\""_s, u"\"\""_s);
}

} // namespace

SettingsWriter::SettingsWriter(const QString& sFile) : m_out(sFile) {}

void SettingsWriter::WriteHeader()
{
    WriteText(SettingsLayout::Header.toString());
}

void SettingsWriter::WriteText(const QString& value)
{
    m_out.Write("\""_L1);
    if (!m_out.WriteAsciiWithout(value, "\"\r\n&"_L1))
        m_out.Write(Stored(value));
    m_out.WriteLine("\""_L1);
}

void SettingsWriter::WriteNumber(qint32 value)
{
    WriteText(value < 0 ? QString::number(value) : u' ' + QString::number(value));
}

void SettingsWriter::WriteReserved()
{
    for (int line = 0; line < SettingsLayout::ReservedLines; ++line)
        m_out.WriteLine("\"\""_L1);
}

void SettingsWriter::Commit()
{
    m_out.Commit();
}
