#pragma once

#include "common/TempAppFolder.h"

#include <gtest/gtest.h>

// A golden file of the test program's folder: how a file must come out, byte for byte.
inline QByteArray Golden(const QString& sName)
{
    const QByteArray bytes = ReadFile(QStringLiteral(QZ_TEST_DATA "/golden/") + sName);
    EXPECT_FALSE(bytes.isEmpty()) << qPrintable(sName);
    return bytes;
}
