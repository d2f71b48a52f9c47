#pragma once

#include "support/Error.h"
#include "support/TextFileReader.h"

#include <QAnyStringView>
#include <QString>

// Reads the values of a settings file one line at a time. It knows the file and the line it is
// on, so every Error it raises tells the parent which file, which line and what is wrong.
class SettingsReader
{
public:
    // Opens the file; an Error when it cannot be opened.
    explicit SettingsReader(const QString& sFile);

    // Error 13 unless the first value is the header.
    void ReadHeader();
    // The text between the line's double quotes, a doubled double quote read as one.
    QString ReadText();
    // The same text, valid until the next line is read: plain ASCII is left in the file's bytes.
    QAnyStringView ReadValue();
    // A colour: the number at the start of the value. Error 6 beyond 32 bits.
    qint32 ReadNumber();
    // The number of links, at most Collection::MaxCount; 0 or less for none. Error 6 beyond.
    qint32 ReadLinkCount();
    void SkipReserved();

private:
    QByteArrayView ReadLine();
    // A value's stored bytes as text, kept until the next value is decoded.
    QStringView Decoded(QByteArrayView stored);
    qint32 ReadNumberWithin(qint32 least, qint32 most);
    Error Damaged(qint32 number, const QString& problem) const;

    TextFileReader m_in;
    QString m_decoded;
};
