#pragma once

#include <QString>

// A file's "\"-separated path in the three parts that a copy's name is made of, so that a word
// can go between the name and its extension: "C:\app\home\", "qzhome" and ".dat".
struct FileNameParts {
    QString folder;    // with its trailing backslash
    QString stem;      // the name without its extension
    QString extension; // with its dot; empty for a name without one

    static FileNameParts Of(const QString& sPath);
};
