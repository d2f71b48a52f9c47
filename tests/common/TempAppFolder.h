#pragma once

#include "support/NativePath.h"

#include <QString>
#include <QTemporaryDir>

// A fresh application folder for one test: the program is pointed at it while the object lives,
// and everything in it is removed afterwards.
class TempAppFolder
{
public:
    TempAppFolder();
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    // The folder as the program sees it ("\"-separated), and the native path of a file or folder
    // below it, given "/"-separated (empty for the folder itself).
    QString Path() const { return BackslashPath(m_dir.path()); }
    QString NativeFile(const QString& relative) const { return m_dir.filePath(relative); }

    // Creates a folder below it, and a file with the given bytes.
    void MakeFolder(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes = {}) const;
    QByteArray ReadFile(const QString& relative) const;
    bool Exists(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};
