#include "support/MixedUtf8.h"

#include <QStringDecoder>
#include <QUtf8StringView>

namespace
{

// The length of the UTF-8 sequence at the byte at, 0 when none starts there: overlong forms,
// surrogates and characters past U+10FFFF are none.
qsizetype SequenceAt(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return at + i < bytes.size() ? uchar(bytes[at + i]) : 0; };
    const uchar lead = byte(0);
    const qsizetype length = lead < 0xC2   ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    const uchar low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const uchar high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || byte(1) < low || byte(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

namespace MixedUtf8
{

QByteArray ToUtf8(const QByteArray& bytes)
{
    if (QUtf8StringView(bytes).isValidUtf8())
        return bytes;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray utf8;
    utf8.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = uchar(bytes[at]) < 0x80 ? 1 : SequenceAt(bytes, at);
        if (length > 0) {
            utf8.append(bytes.constData() + at, length);
            at += length;
        } else {
            utf8 += QString(windows1252(bytes.sliced(at, 1))).toUtf8();
            ++at;
        }
    }
    return utf8;
}

} // namespace MixedUtf8
