// Any bytes at all as a settings file. Reading must never crash, hang or run out of memory. A
// page that reads is written out and read back, and must come back with every value it was read
// with; written again, it must give the same bytes. The page is also written as HTML.
#include "model/CWebPage.h"
#include "support/Error.h"
#include "support/NativePath.h"

#include <QFile>
#include <QStringList>
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

// Every value the settings file keeps, the links' included.
QStringList Values(const CWebPage& page)
{
    QStringList values{page.Title(), page.Name(), page.Wallpaper(), page.MouseTrails()};
    for (const qint32 color : {page.Backcolor(), page.Forecolor(), page.LinkColor(),
                               page.VLinkColor(), page.ALinkColor()})
        values << QString::number(color);
    for (qint32 position = 1; position <= page.Links().Count(); ++position) {
        const CWebPage& link = *page.Links().Item(position);
        values << link.Name() << link.MainPicture() << link.MainLink();
    }
    return values;
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
    if (Values(again) != Values(page))
        std::abort();
    again.SaveSettings(PathOf(u"second.dat"_s));
    if (BytesOf(PathOf(u"first.dat"_s)) != BytesOf(PathOf(u"second.dat"_s)))
        std::abort();
    return 0;
}
