#pragma once

#include <QLatin1StringView>
#include <QStringView>

// Where things stand in the settings file, one quoted value a line. The order of the values lives
// in CWebPage::LoadSettings and CWebPage::SaveSettings, which must keep to the same one.
namespace SettingsLayout
{

inline constexpr QStringView Header = u"QZBROWSE_CFG_001";
inline constexpr int ReservedLines = 19;
inline constexpr qint64 LinkCountLine = 30;
inline constexpr qint64 LinesPerLink = 3;

// A character the code page lacks is stored as a reference, "&#" and its number and ";". So that
// a typed "&#" is not taken for the start of one, it is stored with its "&" as a reference too.
inline constexpr QLatin1StringView TypedReferenceStart("&#");
inline constexpr QLatin1StringView StoredReferenceStart("&#38;#");

} // namespace SettingsLayout
