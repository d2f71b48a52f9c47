#include "SamplePages.h"

#include <QFile>
#include <array>

using namespace Qt::StringLiterals;

namespace
{

void AddLink(CWebPage& page, const QString& name, const QString& picture, const QString& address)
{
    auto link = std::make_shared<CWebPage>();
    link->SetMode(1);
    link->SetName(name);
    link->SetMainPicture(picture);
    link->SetMainLink(address);
    page.Links().Add(link);
}

void SetColors(CWebPage& page, std::array<qint32, 5> colors)
{
    page.SetBackcolor(colors[0]);
    page.SetForecolor(colors[1]);
    page.SetLinkColor(colors[2]);
    page.SetVLinkColor(colors[3]);
    page.SetALinkColor(colors[4]);
}

} // namespace

void FillSamplePage(CWebPage& page, const QString& name)
{
    if (name == u"one") {
        page.SetTitle(u"My Home Page"_s);
        page.SetName(u"Welcome"_s);
        SetColors(page, {65535, -1, 255, 128, 0});
        AddLink(page, u"Games"_s, u"games.gif"_s, u"games.html"_s);
    } else if (name == u"three") {
        page.SetTitle(u"Trail Page"_s);
        page.SetName(u"Hello"_s);
        page.SetWallpaper(u"stars.gif"_s);
        page.SetMouseTrails(u"star.gif"_s);
        SetColors(page, {16777215, 0, 16711680, 8421504, 330255});
        AddLink(page, u"Zoo"_s, u"zoo.jpg"_s, u"http://zoo.example/"_s);
        AddLink(page, {}, {}, u"http://only.example/"_s);
        AddLink(page, u"Drawing"_s, u"paint.bmp"_s, {});
    } else if (name == u"four") {
        SetColors(page, {0, 255, -1, -1, -1});
        for (const QString& letter : {u"A"_s, u"B"_s, u"C"_s, u"D"_s})
            AddLink(page, letter, letter.toLower() + u".gif"_s, letter.toLower() + u".html"_s);
    } else if (name == u"link") {
        page.SetMode(1);
        page.SetName(u"Preview"_s);
        page.SetMainPicture(u"p.gif"_s);
        page.SetMainLink(u"x.html"_s);
    }
}

QByteArray Golden(const QString& fileName)
{
    QFile file(QStringLiteral(QZ_TEST_DATA "/golden/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray FirstLines(const QByteArray& file, int count)
{
    const QList<QByteArray> lines = file.split('\n');
    return count == 0 ? QByteArray() : lines.mid(0, count).join('\n') + '\n';
}

QByteArray WithLine(const QByteArray& file, int line, const QByteArray& text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}
