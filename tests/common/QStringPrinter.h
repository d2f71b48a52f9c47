#pragma once

#include <QString>
#include <ostream>

// Lets failing assertions show Qt text as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toUtf8().constData() << '"';
}
