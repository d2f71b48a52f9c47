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
    const char* meaning; // translated in the context "SettingsLayout"
    qint64 count = 1;
    const QString& (CWebPage::*text)() const = nullptr;
    void (CWebPage::*setText)(const QString&) = nullptr;
    qint32 (CWebPage::*number)() const = nullptr;
    void (CWebPage::*setNumber)(qint32) = nullptr;
};

constexpr Line TextLine(const char* meaning, const QString& (CWebPage::*text)() const,
                        void (CWebPage::*setText)(const QString&))
{
    return {Kind::Text, meaning, 1, text, setText};
}

constexpr Line NumberLine(const char* meaning, qint32 (CWebPage::*number)() const,
                          void (CWebPage::*setNumber)(qint32))
{
    return {Kind::Number, meaning, 1, nullptr, nullptr, number, setNumber};
}

inline constexpr Line PageLines[] = {
    {Kind::Header, QT_TRANSLATE_NOOP("SettingsLayout", "the header")},
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the page title"), &CWebPage::Title,
             &CWebPage::SetTitle),
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the heading"), &CWebPage::Name,
             &CWebPage::SetName),
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the wallpaper"), &CWebPage::Wallpaper,
             &CWebPage::SetWallpaper),
    NumberLine(QT_TRANSLATE_NOOP("SettingsLayout", "the background colour"), &CWebPage::Backcolor,
               &CWebPage::SetBackcolor),
    NumberLine(QT_TRANSLATE_NOOP("SettingsLayout", "the text colour"), &CWebPage::Forecolor,
               &CWebPage::SetForecolor),
    NumberLine(QT_TRANSLATE_NOOP("SettingsLayout", "the link colour"), &CWebPage::LinkColor,
               &CWebPage::SetLinkColor),
    NumberLine(QT_TRANSLATE_NOOP("SettingsLayout", "the visited link colour"),
               &CWebPage::VLinkColor, &CWebPage::SetVLinkColor),
    NumberLine(QT_TRANSLATE_NOOP("SettingsLayout", "the clicked link colour"),
               &CWebPage::ALinkColor, &CWebPage::SetALinkColor),
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the mouse trail picture"), &CWebPage::MouseTrails,
             &CWebPage::SetMouseTrails),
    {Kind::Reserved, QT_TRANSLATE_NOOP("SettingsLayout", "a reserved line"), 19},
    {Kind::LinkCount, QT_TRANSLATE_NOOP("SettingsLayout", "the number of links")},
};

// A link record: its caption, picture and address.
inline constexpr Line LinkLines[] = {
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the caption"), &CWebPage::Name,
             &CWebPage::SetName),
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the picture"), &CWebPage::MainPicture,
             &CWebPage::SetMainPicture),
    TextLine(QT_TRANSLATE_NOOP("SettingsLayout", "the address"), &CWebPage::MainLink,
             &CWebPage::SetMainLink),
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
