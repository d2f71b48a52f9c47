#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <exception>

// Thrown up to the command that can handle it or show it (RunCommand), so that no function on
// the way has to pass a failure on by hand. The numbers are the classic BASIC runtime ones, so
// "Error 53" means the same thing in every message.
class Error : public std::exception
{
public:
    enum Number : qint32 {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        FileNotFound = 53,
        InputPastEndOfFile = 62,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        InvalidFileFormat = 321,
        InvalidPropertyValue = 380,
    };

    // An error with the standard description of its number.
    explicit Error(qint32 number);
    Error(qint32 number, const QString& description);

    qint32 Number() const { return m_number; }
    const QString& Description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The short standard text of a number, such as "File not found" for 53.
    static QString StandardDescription(qint32 number);

private:
    qint32 m_number;
    QString m_description;
    QByteArray m_what;
};
