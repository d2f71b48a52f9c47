#pragma once

#include "CodePage.h"

#include <QSaveFile>
#include <QString>

// Writes a text file in the code page with CR LF line ends. The file is replaced only by Commit,
// once every byte has been written: until then, and for good when the writer is dropped without
// Commit (an error on the way), the previous file stays whole.
class TextFileWriter
{
public:
    // Starts the new file; an Error when it cannot be created.
    explicit TextFileWriter(const QString& sPath);

    void Write(QStringView text);
    // The text and a line end.
    void WriteLine(QStringView text = {});
    // Finishes the file and puts it in place of the old one; an Error when that fails.
    void Commit();

private:
    void Flush();

    QString m_path;
    QSaveFile m_file;
    CodePage m_codePage;
    QString m_pending;
};
