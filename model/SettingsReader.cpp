#include "model/SettingsReader.h"

#include "model/Collection.h"
#include "model/SettingsLayout.h"
#include "support/ByteScan.h"
#include "support/NativePath.h"

#include <QCoreApplication>
#include <limits>

using namespace Qt::StringLiterals;

namespace
{

// What a line of the file holds, in the user's words.
QString LineMeaning(qint64 line)
{
    using namespace SettingsLayout;
    qint64 first = 1;
    for (const Line& entry : PageLines) {
        if (line < first + entry.count)
            return QCoreApplication::translate("SettingsLayout", entry.meaning);
        first += entry.count;
    }
    const qint64 index = line - first;
    return QCoreApplication::translate("SettingsReader", "%1 of link %2")
        .arg(QCoreApplication::translate("SettingsLayout", LinkLines[index % LinesPerLink].meaning))
        .arg(index / LinesPerLink + 1);
}

// The value of a line whose value holds a doubled double quote: the bytes after its opening double
// quote up to the first one that is not doubled, each doubled one read as one. Nothing when no
// double quote closes it.
std::optional<QByteArray> Undoubled(QByteArrayView line)
{
    QByteArray value;
    for (qsizetype at = 1; at < line.size(); ++at) {
        if (line[at] == '"' && (at + 1 == line.size() || line[++at] != '"'))
            return value;
        value += line[at];
    }
    return std::nullopt;
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
                    QCoreApplication::translate(
                        "SettingsReader",
                        "The file \"%1\" is not a home page settings file: its first line is not "
                        "\"%2\".")
                        .arg(DisplayPath(m_in.Path()), SettingsLayout::Header));
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
    if (stop < end && *stop == '"' && (stop + 1 == end || stop[1] != '"'))
        return QLatin1StringView(line.data() + 1, stop);
    const qsizetype quote = line.indexOf('"', 1);
    if (quote < 0)
        return Unclosed(line);
    if (quote + 1 < line.size() && line[quote + 1] == '"') {
        const std::optional<QByteArray> value = Undoubled(line);
        return value ? Decoded(*value) : Unclosed(line);
    }
    return Decoded(line.sliced(1, quote - 1));
}

// A value without its closing double quote is read to the end of its line, unless nothing follows
// it: then the file was cut in the middle of the value, and what is left of it is not the value.
QStringView SettingsReader::Unclosed(QByteArrayView line)
{
    const QByteArray kept = line.toByteArray(); // looking past the line may overwrite it
    if (m_in.AtEnd())
        throw Damaged(Error::InputPastEndOfFile,
                      QCoreApplication::translate(
                          "SettingsReader",
                          "is cut short: the file ends before the value's closing double quote"));
    return Decoded(QByteArrayView(kept).sliced(1));
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
    const qint32 count = ReadNumberWithin(std::numeric_limits<qint16>::min(), Collection::MaxCount);
    m_linkCountLine = m_in.LineNumber();
    return count;
}

void SettingsReader::Skip(qint64 lines)
{
    for (qint64 line = 0; line < lines; ++line)
        ReadLine();
}

std::optional<Error> SettingsReader::UnreadLines(qint32 links)
{
    while (const std::optional<QByteArrayView> line = m_in.ReadLine()) {
        if (line->isEmpty())
            continue;
        const QString counted =
            links <= 0   ? QCoreApplication::translate("SettingsReader", "no links")
            : links == 1 ? QCoreApplication::translate("SettingsReader", "1 link")
                         : QCoreApplication::translate("SettingsReader", "%1 links").arg(links);
        return Error(
            Error::InvalidFileFormat,
            QCoreApplication::translate(
                "SettingsReader",
                "The settings file \"%1\" cannot be read whole: line %2 (%3) gives %4, but "
                "more lines follow from line %5 on, and they were not read.")
                .arg(DisplayPath(m_in.Path()), QString::number(m_linkCountLine),
                     LineMeaning(m_linkCountLine), counted, QString::number(m_in.LineNumber())));
    }
    return std::nullopt;
}

QByteArrayView SettingsReader::ReadLine()
{
    const std::optional<QByteArrayView> line = m_in.ReadLine();
    if (line)
        return *line;
    if (m_in.LineNumber() == 0)
        throw Error(
            Error::InputPastEndOfFile,
            QCoreApplication::translate("SettingsReader", "The settings file \"%1\" is empty.")
                .arg(DisplayPath(m_in.Path())));
    const qint64 missing = m_in.LineNumber() + 1;
    throw Error(Error::InputPastEndOfFile,
                QCoreApplication::translate(
                    "SettingsReader",
                    "The settings file \"%1\" cannot be read: it ends before line %2 (%3).")
                    .arg(DisplayPath(m_in.Path()), QString::number(missing), LineMeaning(missing)));
}

qint32 SettingsReader::ReadNumberWithin(qint32 least, qint32 most)
{
    const std::optional<qint64> number = LeadingNumber(ReadText());
    if (!number || *number < least || *number > most)
        throw Damaged(Error::Overflow,
                      QCoreApplication::translate("SettingsReader",
                                                  "holds a number outside the range from %1 to %2")
                          .arg(QString::number(least), QString::number(most)));
    return static_cast<qint32>(*number);
}

Error SettingsReader::Damaged(qint32 number, const QString& problem) const
{
    const qint64 line = m_in.LineNumber();
    return Error(
        number,
        QCoreApplication::translate("SettingsReader",
                                    "The settings file \"%1\" cannot be read: line %2 (%3) %4.")
            .arg(DisplayPath(m_in.Path()), QString::number(line), LineMeaning(line), problem));
}
