#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A file as it stood at one moment: whether it was there, its size, its modification time and a
// digest of its bytes. Two stamps of the same path differ when the file was changed, replaced,
// made or removed in between, even by a program that kept its size and time.
class FileStamp
{
public:
    // No file.
    FileStamp() = default;

    // The file at the "\"-separated path as it stands now.
    static FileStamp Of(const QString& sFile);

    bool operator==(const FileStamp& other) const = default;

private:
    bool m_exists = false;
    qint64 m_size = 0;
    QDateTime m_modified;
    QByteArray m_digest; // empty when it cannot be read or is no file
};
