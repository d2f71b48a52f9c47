#pragma once

#include "support/TextFileWriter.h"

#include <QString>

// Writes the values of a settings file, one quoted value a line. A double quote inside a value is
// written doubled and a line break as a blank, so that every value reads back as one line; a typed
// "&#" is written "&#38;#", so that it reads back as typed and not as a reference.
class SettingsWriter
{
public:
    // Starts the new file; an Error when it cannot be created.
    explicit SettingsWriter(const QString& sFile);

    void WriteHeader();
    void WriteText(QAnyStringView value);
    // A number: a blank before it when it is not negative (" 0", " 255", "-1").
    void WriteNumber(qint32 value);
    // Lines that hold the empty value.
    void WriteEmpty(qint64 lines);
    // Puts the new file in place of the old one.
    void Commit();

private:
    TextFileWriter m_out;
};
