#pragma once

#include "support/CodePage.h"

#include <QSaveFile>
#include <QString>
#include <string>

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
    // A literal, whose length is known without searching it for its end.
    template <qsizetype N> void Write(const char16_t (&text)[N])
    {
        Write(QStringView(text, N - 1));
    }
    template <qsizetype N> void WriteLine(const char16_t (&text)[N])
    {
        WriteLine(QStringView(text, N - 1));
    }
    // Finishes the file and puts it in place of the old one; an Error when that fails.
    void Commit();

private:
    void Flush();

    QString m_path;
    QSaveFile m_file;
    CodePage m_codePage;
    // Plain storage: appending to it is cheaper than to a QString, and text is appended in
    // many small pieces.
    std::u16string m_pending;
};
