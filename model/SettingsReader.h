#pragma once

#include "support/Error.h"
#include "support/TextFileReader.h"

#include <QAnyStringView>
#include <QString>
#include <optional>

// Reads the values of a settings file one line at a time. It knows the file and the line it is
// on, so every Error it raises tells the user which file, which line and what is wrong.
class SettingsReader
{
public:
    // Opens the file; an Error when it cannot be opened.
    explicit SettingsReader(const QString& sFile);

    // Error 13 unless the first value is the header.
    void ReadHeader();
    // The text between the line's double quotes, a doubled double quote read as one. An Error
    // when the file ends before the closing double quote: the value was cut short.
    QString ReadText();
    // A colour: the number at the start of the value. Error 6 beyond 32 bits.
    qint32 ReadNumber();
    // The number of links, at most Collection::MaxCount; 0 or less for none. Error 6 beyond.
    qint32 ReadLinkCount();
    void Skip(qint64 lines);
    // What to tell the user when anything but empty lines follows the links read: reading passes
    // over them, and saving would drop them. Nothing when the file ends with the links.
    std::optional<Error> UnreadLines(qint32 links);

private:
    QByteArrayView ReadLine();
    // The text, valid until the next line is read: plain ASCII is left in the file's bytes.
    QAnyStringView ReadValue();
    QStringView Unclosed(QByteArrayView line);
    // A value's stored bytes as text, kept until the next value is decoded.
    QStringView Decoded(QByteArrayView stored);
    qint32 ReadNumberWithin(qint32 least, qint32 most);
    Error Damaged(qint32 number, const QString& problem) const;

    TextFileReader m_in;
    QString m_decoded;
    qint64 m_linkCountLine = 0;
};
