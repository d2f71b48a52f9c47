#include "common/TempAppFolder.h"

#include "support/App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TempAppFolder::TempAppFolder()
{
    EXPECT_TRUE(m_dir.isValid());
    App::SetPath(Path());
}

TempAppFolder::~TempAppFolder()
{
    App::SetPath(QString());
}

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

QByteArray TempAppFolder::ReadFile(const QString& relative) const
{
    QFile file(NativeFile(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempAppFolder::Exists(const QString& relative) const
{
    return QFileInfo::exists(NativeFile(relative));
}
