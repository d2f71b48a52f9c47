#pragma once

#include "model/CWebPage.h"

#include <QLatin1StringView>
#include <QStringView>
#include <iterator>
#include <numeric>
#include <span>

// The settings file, one quoted value a line: the lines of the page, then those of each link. The
// reader, the writer and the messages about a damaged file all follow these tables, so that a
// line's place and meaning are said here only.
namespace SettingsLayout
{

enum class Kind { Header, Text, Number, Reserved, LinkCount };

// A line of the file, or a run of alike lines, with what it holds in the user's words and, for a
// value of the page, how the page gives and takes it.
struct Line {
    Kind kind;
    QStringView meaning;
    qint64 count = 1;
    const QString& (CWebPage::*text)() const = nullptr;
    void (CWebPage::*setText)(const QString&) = nullptr;
    qint32 (CWebPage::*number)() const = nullptr;
    void (CWebPage::*setNumber)(qint32) = nullptr;
};

constexpr Line TextLine(QStringView meaning, const QString& (CWebPage::*text)() const,
                        void (CWebPage::*setText)(const QString&))
{
    return {Kind::Text, meaning, 1, text, setText};
}

constexpr Line NumberLine(QStringView meaning, qint32 (CWebPage::*number)() const,
                          void (CWebPage::*setNumber)(qint32))
{
    return {Kind::Number, meaning, 1, nullptr, nullptr, number, setNumber};
}

inline constexpr Line PageLines[] = {
    {Kind::Header, u"the header"},
    TextLine(u"the page title", &CWebPage::Title, &CWebPage::SetTitle),
    TextLine(u"the heading", &CWebPage::Name, &CWebPage::SetName),
    TextLine(u"the wallpaper", &CWebPage::Wallpaper, &CWebPage::SetWallpaper),
    NumberLine(u"the background colour", &CWebPage::Backcolor, &CWebPage::SetBackcolor),
    NumberLine(u"the text colour", &CWebPage::Forecolor, &CWebPage::SetForecolor),
    NumberLine(u"the link colour", &CWebPage::LinkColor, &CWebPage::SetLinkColor),
    NumberLine(u"the visited link colour", &CWebPage::VLinkColor, &CWebPage::SetVLinkColor),
    NumberLine(u"the clicked link colour", &CWebPage::ALinkColor, &CWebPage::SetALinkColor),
    TextLine(u"the mouse trail picture", &CWebPage::MouseTrails, &CWebPage::SetMouseTrails),
    {Kind::Reserved, u"a reserved line", 19},
    {Kind::LinkCount, u"the number of links"},
};

// A link record: its caption, picture and address.
inline constexpr Line LinkLines[] = {
    TextLine(u"the caption", &CWebPage::Name, &CWebPage::SetName),
    TextLine(u"the picture", &CWebPage::MainPicture, &CWebPage::SetMainPicture),
    TextLine(u"the address", &CWebPage::MainLink, &CWebPage::SetMainLink),
};

constexpr qint64 LineCount(std::span<const Line> lines)
{
    return std::accumulate(lines.begin(), lines.end(), qint64(0),
                           [](qint64 sum, const Line& line) { return sum + line.count; });
}

inline constexpr qint64 PageLineCount = LineCount(PageLines);
inline constexpr qint64 LinesPerLink = LineCount(LinkLines);
// A link's values are found by their place in LinkLines: one line each.
static_assert(LinesPerLink == std::size(LinkLines));

inline constexpr QStringView Header = u"QZBROWSE_CFG_001";

// A character the code page lacks is stored as a reference, "&#" and its number and ";". So that
// a typed "&#" is not taken for the start of one, it is stored with its "&" as a reference too.
inline constexpr QLatin1StringView TypedReferenceStart("&#");
inline constexpr QLatin1StringView StoredReferenceStart("&#38;#");

} // namespace SettingsLayout
