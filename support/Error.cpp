#include "support/Error.h"

using namespace Qt::StringLiterals;

Error::Error(qint32 number) : Error(number, StandardDescription(number)) {}

Error::Error(qint32 number, const QString& description)
    : m_number(number), m_description(description), m_what(description.toUtf8())
{
}

QString Error::StandardDescription(qint32 number)
{
    switch (number) {
    case Overflow:
        return u"Overflow"_s;
    case SubscriptOutOfRange:
        return u"Subscript out of range"_s;
    case TypeMismatch:
        return u"Type mismatch"_s;
    case FileNotFound:
        return u"File not found"_s;
    case InputPastEndOfFile:
        return u"Input past end of file"_s;
    case PermissionDenied:
        return u"Permission denied"_s;
    case PathFileAccessError:
        return u"Path/File access error"_s;
    case PathNotFound:
        return u"Path not found"_s;
    case InvalidFileFormat:
        return u"Invalid file format"_s;
    case InvalidPropertyValue:
        return u"Invalid property value"_s;
    default:
        return u"Application-defined or object-defined error"_s;
    }
}
