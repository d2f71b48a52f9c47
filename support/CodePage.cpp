#include "support/CodePage.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace
{

constexpr auto kFlags = QStringConverter::Flag::Stateless;

// ASCII is the same in every code page a file can be in, and Qt converts it much faster than a
// general converter does: most files hold nothing else. Tested a machine word at a time.
template <typename Unit> bool IsAscii(const Unit* units, qsizetype count)
{
    using Word = std::uint64_t;
    constexpr Word notAscii = sizeof(Unit) == 1 ? 0x8080808080808080 : 0xFF80FF80FF80FF80;
    constexpr qsizetype perWord = sizeof(Word) / sizeof(Unit);
    Word all = 0;
    qsizetype at = 0;
    for (; at + perWord <= count; at += perWord) {
        Word word;
        std::memcpy(&word, units + at, sizeof(Word));
        all |= word;
    }
    for (; at < count; ++at)
        all |= Word(std::make_unsigned_t<Unit>(units[at]));
    return (all & notAscii) == 0;
}

bool IsAscii(QByteArrayView bytes)
{
    return IsAscii(bytes.data(), bytes.size());
}

bool IsAscii(QStringView text)
{
    return IsAscii(text.utf16(), text.size());
}

QByteArray ReferenceTo(char32_t character)
{
    return "&#" + QByteArray::number(character) + ';';
}

struct Reference {
    char32_t character;
    qsizetype length;
};

// The reference "&#" digits ";" at the start of the text, if it is one and names a Unicode
// character.
std::optional<Reference> ReadReference(QStringView text)
{
    constexpr qsizetype kMostDigits = 7;
    if (!text.startsWith(u"&#"))
        return std::nullopt;
    char32_t value = 0;
    qsizetype end = 2;
    for (; end < text.size() && end - 2 < kMostDigits; ++end) {
        const char16_t c = text[end].unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
    }
    const bool closed = end > 2 && end < text.size() && text[end] == u';';
    if (!closed || value > 0x10FFFF || QChar::isSurrogate(value))
        return std::nullopt;
    return Reference{value, end + 1};
}

// An encoder or decoder of the code page.
template <typename Converter> Converter NewConverter()
{
#ifdef Q_OS_WIN
    return Converter(QStringConverter::System, kFlags);
#else
    return Converter("windows-1252", kFlags);
#endif
}

} // namespace

CodePage::CodePage()
    : m_encoder(NewConverter<QStringEncoder>()), m_decoder(NewConverter<QStringDecoder>())
{
}

QByteArray CodePage::Encode(QStringView text)
{
    if (IsAscii(text))
        return text.toLatin1();
    const std::optional<QByteArray> bytes = EncodeExactly(text);
    return bytes ? *bytes : EncodeEachCharacter(text);
}

QString CodePage::Decode(QByteArrayView bytes)
{
    const QString text =
        IsAscii(bytes) ? QString::fromLatin1(bytes) : QString(m_decoder.decode(bytes));
    return text.contains(u'&') ? TurnBackReferences(text) : text;
}

bool CodePage::Holds(char32_t character)
{
    return EncodeExactly(QChar::fromUcs4(character)).has_value();
}

// The text's bytes when the code page holds all of it: when they decode to the text again. The
// encoder's own error flag cannot tell: Qt's ICU-backed encoder keeps it set after resetState().
std::optional<QByteArray> CodePage::EncodeExactly(QStringView text)
{
    QByteArray bytes = m_encoder.encode(text);
    if (QString(m_decoder.decode(bytes)) != text)
        return std::nullopt;
    return bytes;
}

QByteArray CodePage::EncodeEachCharacter(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const QStringView character = text.sliced(at, pair ? 2 : 1);
        at += character.size();
        if (character[0].unicode() < 0x80) {
            bytes += char(character[0].unicode());
            continue;
        }
        const std::optional<QByteArray> encoded = EncodeExactly(character);
        bytes += encoded ? *encoded
                         : ReferenceTo(pair ? QChar::surrogateToUcs4(character[0], character[1])
                                            : character[0].unicode());
    }
    return bytes;
}

QString CodePage::TurnBackReferences(QStringView text)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', from)) {
        result += text.sliced(from, at - from);
        const std::optional<Reference> reference = ReadReference(text.sliced(at));
        if (reference && !Holds(reference->character)) {
            result += QStringView(QChar::fromUcs4(reference->character));
            from = at + reference->length;
        } else {
            result += u'&';
            from = at + 1;
        }
    }
    result += text.sliced(from);
    return result;
}
