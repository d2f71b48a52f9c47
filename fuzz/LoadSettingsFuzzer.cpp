// Any bytes at all as a settings file. Reading must never crash, hang or run out of memory; a
// page that reads is written out, read back and written again, and the two settings files must
// be the same bytes; the page is also written as HTML.
#include "model/CWebPage.h"
#include "support/Error.h"
#include "support/NativePath.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace
{

QString PathOf(const QString& name)
{
    static const QTemporaryDir folder;
    return BackslashPath(folder.filePath(name));
}

QByteArray BytesOf(const QString& path)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

void WriteBytes(const QString& path, const char* data, std::size_t size)
{
    QFile file(NativePath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(data, qint64(size)) != qint64(size))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = PathOf(u"input.dat"_s);
    WriteBytes(input, reinterpret_cast<const char*>(data), size);
    CWebPage page;
    try {
        page.LoadSettings(input);
    } catch (const Error&) {
        return 0;
    }
    page.SaveSettings(PathOf(u"first.dat"_s));
    page.GeneratePage(PathOf(u"page.html"_s));
    CWebPage again;
    again.LoadSettings(PathOf(u"first.dat"_s));
    again.SaveSettings(PathOf(u"second.dat"_s));
    if (BytesOf(PathOf(u"first.dat"_s)) != BytesOf(PathOf(u"second.dat"_s)))
        std::abort();
    return 0;
}
