#include "common/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

void TempAppFolder::MakeFolder(const QString& relative) const
{
    EXPECT_TRUE(QDir(m_dir.path()).mkpath(relative));
}

void TempAppFolder::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    MakeFolder(QFileInfo(relative).path());
    QFile file(NativeFile(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
