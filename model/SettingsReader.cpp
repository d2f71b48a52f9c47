#include "model/SettingsReader.h"

#include "model/Collection.h"
#include "model/SettingsLayout.h"
#include "support/ByteScan.h"
#include "support/NativePath.h"

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

// What a line of the file holds, in the parent's words.
QString LineMeaning(qint64 line)
{
    static const QStringView pageLines[] = {u"the header",
                                            u"the page title",
                                            u"the heading",
                                            u"the wallpaper",
                                            u"the background colour",
                                            u"the text colour",
                                            u"the link colour",
                                            u"the visited link colour",
                                            u"the clicked link colour",
                                            u"the mouse trail picture"};
    static const QStringView linkLines[] = {u"the caption", u"the picture", u"the address"};
    constexpr qint64 pageLineCount = std::size(pageLines);
    if (line <= pageLineCount)
        return pageLines[line - 1].toString();
    if (line < SettingsLayout::LinkCountLine)
        return u"a reserved line"_s;
    if (line == SettingsLayout::LinkCountLine)
        return u"the number of links"_s;
    const qint64 index = line - SettingsLayout::LinkCountLine - 1;
    return u"%1 of link %2"_s.arg(linkLines[index % SettingsLayout::LinesPerLink])
        .arg(index / SettingsLayout::LinesPerLink + 1);
}

// The value of a line whose value holds a doubled double quote: the bytes after its opening double
// quote up to the first one that is not doubled, each doubled one read as one.
QByteArray Undoubled(QByteArrayView line)
{
    QByteArray value;
    for (qsizetype at = 1; at < line.size(); ++at) {
        if (line[at] == '"' && (at + 1 == line.size() || line[++at] != '"'))
            break;
        value += line[at];
    }
    return value;
}

// Lenient, so that a file edited by hand still reads: leading blanks, a sign and digits count, the
// rest is passed over, and no digits read as 0. Nothing once it outgrows 32 bits.
std::optional<qint64> LeadingNumber(QStringView text)
{
    constexpr qint64 beyond = qint64(std::numeric_limits<quint32>::max()) + 1;
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    const bool negative = at < text.size() && text[at] == u'-';
    if (negative)
        ++at;
    qint64 value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        value = value * 10 + (text[at].unicode() - u'0');
        if (value >= beyond)
            return std::nullopt;
    }
    return negative ? -value : value;
}

// The first double quote, "&" or byte outside ASCII from the start on, or the end: a value before
// it is ASCII without references, the same text in every code page, and needs no decoding.
const char* FindQuoteOrDecoded(const char* from, const char* end)
{
    return ByteScan::FindFirst(from, end, [](ByteScan::Word word) {
        return ByteScan::Equal(word, '"') | ByteScan::Equal(word, '&') |
               (word & ByteScan::kHighBits);
    });
}

} // namespace

SettingsReader::SettingsReader(const QString& sFile) : m_in(sFile) {}

void SettingsReader::ReadHeader()
{
    if (ReadText() != SettingsLayout::Header)
        throw Error(Error::TypeMismatch,
                    u"The file \"%1\" is not a home page settings file: its first line is not "
                    u"\"%2\"."_s.arg(DisplayPath(m_in.Path()), SettingsLayout::Header));
}

QString SettingsReader::ReadText()
{
    return ReadValue().toString();
}

// The text between the line's opening double quote and the first one that is not doubled. A line
// without an opening double quote is its own value.
QAnyStringView SettingsReader::ReadValue()
{
    const QByteArrayView line = ReadLine();
    if (!line.startsWith('"'))
        return Decoded(line);
    const char* end = line.data() + line.size();
    const char* stop = FindQuoteOrDecoded(line.data() + 1, end);
    const bool closed = stop < end && *stop == '"';
    if (stop == end || (closed && (stop + 1 == end || stop[1] != '"')))
        return QLatin1StringView(line.data() + 1, stop);
    const qsizetype quote = line.indexOf('"', 1);
    if (quote < 0)
        return Decoded(line.sliced(1));
    if (quote + 1 < line.size() && line[quote + 1] == '"')
        return Decoded(Undoubled(line));
    return Decoded(line.sliced(1, quote - 1));
}

QStringView SettingsReader::Decoded(QByteArrayView stored)
{
    m_decoded = m_in.Decode(stored);
    if (stored.contains('&') && m_decoded.contains(SettingsLayout::StoredReferenceStart))
        m_decoded.replace(SettingsLayout::StoredReferenceStart,
                          SettingsLayout::TypedReferenceStart);
    return m_decoded;
}

qint32 SettingsReader::ReadNumber()
{
    return ReadNumberWithin(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

qint32 SettingsReader::ReadLinkCount()
{
    return ReadNumberWithin(std::numeric_limits<qint16>::min(), Collection::MaxCount);
}

void SettingsReader::SkipReserved()
{
    for (int line = 0; line < SettingsLayout::ReservedLines; ++line)
        ReadLine();
}

QByteArrayView SettingsReader::ReadLine()
{
    const std::optional<QByteArrayView> line = m_in.ReadLine();
    if (line)
        return *line;
    if (m_in.LineNumber() == 0)
        throw Error(Error::InputPastEndOfFile,
                    u"The settings file \"%1\" is empty."_s.arg(DisplayPath(m_in.Path())));
    const qint64 missing = m_in.LineNumber() + 1;
    throw Error(Error::InputPastEndOfFile,
                u"The settings file \"%1\" cannot be read: it ends before line %2 (%3)."_s.arg(
                    DisplayPath(m_in.Path()), QString::number(missing), LineMeaning(missing)));
}

qint32 SettingsReader::ReadNumberWithin(qint32 least, qint32 most)
{
    const std::optional<qint64> number = LeadingNumber(ReadText());
    if (!number || *number < least || *number > most)
        throw Damaged(Error::Overflow, u"holds a number outside the range from %1 to %2"_s.arg(
                                           QString::number(least), QString::number(most)));
    return static_cast<qint32>(*number);
}

Error SettingsReader::Damaged(qint32 number, const QString& problem) const
{
    const qint64 line = m_in.LineNumber();
    return Error(number,
                 u"The settings file \"%1\" cannot be read: line %2 (%3) %4."_s.arg(
                     DisplayPath(m_in.Path()), QString::number(line), LineMeaning(line), problem));
}
