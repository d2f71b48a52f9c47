#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// The bytes of a file by its native path; none when it cannot be read.
inline QByteArray ReadFile(const QString& sNative)
{
    QFile file(sNative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A golden file of the test program's folder: how a file must come out, byte for byte.
inline QByteArray Golden(const QString& sName)
{
    QFile file(QStringLiteral(QZ_TEST_DATA "/golden/") + sName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}
