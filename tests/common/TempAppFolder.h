#pragma once

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

    // The folder as the program sees it ("\"-separated) and as the file system does.
    QString Path() const;
    QString Native() const;
    // The native path of a file or folder below it, given "/"-separated.
    QString NativeFile(const QString& relative) const;

    // Creates a folder below it, and a file with the given bytes.
    void MakeFolder(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes = {}) const;
    QByteArray ReadFile(const QString& relative) const;
    bool Exists(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};
