#pragma once

#include <QByteArray>
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
    // Whether the code page holds the character.
    bool Holds(char32_t character);

private:
    std::optional<QByteArray> EncodeExactly(QStringView text);
    QByteArray EncodeEachCharacter(QStringView text);
    QString TurnBackReferences(QStringView text);

    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
