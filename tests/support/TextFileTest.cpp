#include "CodePage.h"
#include "Error.h"
#include "FileError.h"
#include "TempAppFolder.h"
#include "TextFileReader.h"
#include "TextFileWriter.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace
{

TEST(CodePage, WritesWhatItCannotHoldAsReferences)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"plain"_s, "plain"},
        {u"caf\u00e9 \u20ac\u2019"_s, "caf\xe9 \x80\x92"},
        {u"a\u4e2db"_s, "a&#20013;b"},
        {u"\U0001F600\u00e9"_s, "&#128512;\xe9"},
        {QString(QChar(0xD800)) + u"x"_s, "&#55296;x"},
    };
    CodePage codePage;
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(codePage.Encode(text), bytes) << bytes.constData();
}

TEST(CodePage, TurnsBackOnlyReferencesItCouldNotHold)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"a&#20013;b", u"a\u4e2db"_s},
        {"&&#128512;;", u"&\U0001F600;"_s},
        {"\x80\xe9", u"\u20ac\u00e9"_s},
        {"&#65; &#233; &#8364;", u"&#65; &#233; &#8364;"_s},
        {"&#55296; &#1114112; &#12345678;", u"&#55296; &#1114112; &#12345678;"_s},
        {"&#; &#20013 &#x4e2d; &#", u"&#; &#20013 &#x4e2d; &#"_s},
    };
    CodePage codePage;
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(codePage.Decode(bytes), text) << bytes.constData();
}

TEST(TextFileReader, ReadsLinesEndedEitherWay)
{
    const QByteArray longLine(200000, 'x');
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"\r\n", {u""_s}},
        {"a\r\nb\r\n", {u"a"_s, u"b"_s}},
        {"a\nb", {u"a"_s, u"b"_s}},
        {"a\r\n\r\nb\n", {u"a"_s, u""_s, u"b"_s}},
        {"x\ry\n", {u"x\ry"_s}},
        {"caf\xe9 &#20013;\n", {u"caf\u00e9 \u4e2d"_s}},
        {longLine + "\r\n\xe9", {QString::fromLatin1(longLine), u"\u00e9"_s}},
    };
    for (const auto& [bytes, lines] : cases) {
        TempAppFolder app;
        app.WriteFile(u"t.txt"_s, bytes);
        TextFileReader reader(app.Path() + u"\\t.txt"_s);
        QStringList read;
        while (const std::optional<QStringView> line = reader.ReadLine())
            read += line->toString();
        EXPECT_EQ(read, lines) << bytes.left(20).constData();
        EXPECT_EQ(reader.LineNumber(), lines.size());
    }
}

TEST(TextFileWriter, WritesCodePageLinesWithCrLf)
{
    // Long enough to be written in several blocks, with a reference in a later one.
    const QString longLine(100000, u'x');
    TempAppFolder app;
    TextFileWriter writer(app.Path() + u"\\t.txt"_s);
    writer.WriteLine(u"caf\u00e9");
    writer.Write(longLine);
    writer.WriteLine(u"\u4e2d");
    writer.WriteLine();
    EXPECT_FALSE(app.Exists(u"t.txt"_s)) << "the file is in place before Commit";
    writer.Commit();
    EXPECT_EQ(app.ReadFile(u"t.txt"_s), "caf\xe9\r\n" + longLine.toLatin1() + "&#20013;\r\n\r\n");
}

// The Error of opening the file for reading or for writing, if any.
std::optional<Error> OpenError(const QString& path, FileError::Access access)
{
    try {
        if (access == FileError::Access::Read)
            TextFileReader reader(path);
        else
            TextFileWriter writer(path);
    } catch (const Error& error) {
        return error;
    }
    return std::nullopt;
}

struct OpenCase {
    QString path;
    FileError::Access access;
    qint32 number;
};

// Reading's faults are also met through LoadSettings, in the model's tests.
TEST(FileError, NamesTheFaultOfAFileThatWouldNotOpen)
{
    using enum FileError::Access;
    const OpenCase cases[] = {
        {u"none\\t.txt"_s, Write, Error::PathNotFound},
        {u"folder"_s, Write, Error::PathFileAccessError},
        {u"locked.txt"_s, Read, Error::PermissionDenied},
        {u"locked.txt"_s, Write, Error::PermissionDenied},
    };
    for (const OpenCase& c : cases) {
        // The file system refuses nothing to the superuser.
        if (c.number == Error::PermissionDenied && geteuid() == 0)
            continue;
        TempAppFolder app;
        app.MakeFolder(u"folder"_s);
        app.WriteFile(u"locked.txt"_s, "x");
        QFile(app.NativeFile(u"locked.txt"_s)).setPermissions({});
        const QString path = app.Path() + u'\\' + c.path;
        const std::optional<Error> error = OpenError(path, c.access);
        ASSERT_TRUE(error) << c.path.toStdString();
        EXPECT_EQ(error->Number(), c.number) << c.path.toStdString();
        EXPECT_TRUE(error->Description().contains(path));
    }
}

} // namespace
