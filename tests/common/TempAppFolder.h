#pragma once

#include "support/App.h"
#include "support/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
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
    const QByteArray bytes = ReadFile(QStringLiteral(QZ_TEST_DATA "/golden/") + sName);
    EXPECT_FALSE(bytes.isEmpty()) << qPrintable(sName);
    return bytes;
}

// A fresh application folder the program is pointed at while the object lives.
class TempAppFolder
{
public:
    TempAppFolder() { App::SetPath(m_dir.path()); }
    ~TempAppFolder() { App::SetPath(QString()); }

    // The folder "\"-separated, and the native path of a "/"-separated file below it.
    QString Path() const { return BackslashPath(m_dir.path()); }
    QString NativeFile(const QString& relative) const { return m_dir.filePath(relative); }

    void MakeFolder(const QString& folder) const { EXPECT_TRUE(QDir(m_dir.path()).mkpath(folder)); }
    void WriteFile(const QString& relative, const QByteArray& bytes = {}) const
    {
        MakeFolder(QFileInfo(relative).path());
        QFile file(NativeFile(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadFile(const QString& relative) const { return ::ReadFile(NativeFile(relative)); }
    bool Exists(const QString& relative) const { return QFileInfo::exists(NativeFile(relative)); }

private:
    // A name with a blank, "#" and "&", as a user's folders may have.
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/qz app #1 & -XXXXXX")};
};
