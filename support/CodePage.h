#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

// The 8-bit code page of the program's text files: the ANSI code page on Windows, windows-1252
// elsewhere. A character the code page cannot hold is written as an HTML numeric character
// reference ("&#20013;"): a browser shows it as the character, and Decode turns it back, so no
// typed character is ever lost. References to characters the code page holds stay as typed.
class CodePage
{
public:
    CodePage();

    // The text in the code page, each character it cannot hold as "&#NNNN;".
    QByteArray Encode(QStringView text);
    // The bytes as text, each reference to a character the code page cannot hold turned back.
    QString Decode(QByteArrayView bytes);
    // Writes the text's characters as bytes from out on, one a character, room for text.size()
    // bytes, and tells whether the text is all ASCII without any of the characters in stops (four
    // at the most): only then are they the text in the code page, and free of those characters.
    static bool EncodeAscii(QStringView text, char* out, QLatin1StringView stops = {});
    static constexpr qsizetype kMostStops = 4;
    // Whether the code page holds the character.
    bool Holds(char32_t character);

private:
    std::optional<QByteArray> EncodeExactly(QStringView text);
    QByteArray EncodeEachCharacter(QStringView text);
    QString TurnBackReferences(QStringView text);

    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
