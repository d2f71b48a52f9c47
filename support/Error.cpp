#include "support/Error.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Error", "Overflow");
    case SubscriptOutOfRange:
        return QCoreApplication::translate("Error", "Subscript out of range");
    case TypeMismatch:
        return QCoreApplication::translate("Error", "Type mismatch");
    case FileNotFound:
        return QCoreApplication::translate("Error", "File not found");
    case InputPastEndOfFile:
        return QCoreApplication::translate("Error", "Input past end of file");
    case PermissionDenied:
        return QCoreApplication::translate("Error", "Permission denied");
    case PathFileAccessError:
        return QCoreApplication::translate("Error", "Path/File access error");
    case PathNotFound:
        return QCoreApplication::translate("Error", "Path not found");
    case InvalidFileFormat:
        return QCoreApplication::translate("Error", "Invalid file format");
    case InvalidPropertyValue:
        return QCoreApplication::translate("Error", "Invalid property value");
    default:
        return QCoreApplication::translate("Error", "Application-defined or object-defined error");
    }
}
