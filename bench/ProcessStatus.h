#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A number of a process's status, such as the peak resident size "VmHWM" in kilobytes, or 0.
inline qint64 Status(const QString& process, const QByteArray& key)
{
    QFile status(QStringLiteral("/proc/") + process + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}
