#include "SettingsWriter.h"

#include "SettingsLayout.h"

using namespace Qt::StringLiterals;

namespace
{

QString OnOneLine(const QString& value)
{
    QString line = value;
    return line.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

SettingsWriter::SettingsWriter(const QString& sFile) : m_out(sFile) {}

void SettingsWriter::WriteHeader()
{
    WriteText(SettingsLayout::Header.toString());
}

void SettingsWriter::WriteText(const QString& value)
{
    m_out.Write(u"\"");
    const bool plain = !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n');
    m_out.Write(plain ? value : OnOneLine(value).replace(u"\""_s, u"\"\""_s));
    m_out.WriteLine(u"\"");
}

void SettingsWriter::WriteNumber(qint32 value)
{
    WriteText(value < 0 ? QString::number(value) : u' ' + QString::number(value));
}

void SettingsWriter::WriteReserved()
{
    for (int line = 0; line < SettingsLayout::ReservedLines; ++line)
        m_out.WriteLine(u"\"\"");
}

void SettingsWriter::Commit()
{
    m_out.Commit();
}
