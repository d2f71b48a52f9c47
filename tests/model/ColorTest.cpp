#include "Error.h"
#include "basConversions.h"
#include "basWebSafeColorProcs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

TEST(ColorToHtml, WritesRedFirstInSixDigits)
{
    const std::pair<qint32, QString> cases[] = {
        {0, u"#000000"_s},        {255, u"#FF0000"_s},     {65280, u"#00FF00"_s},
        {16711680, u"#0000FF"_s}, {8421504, u"#808080"_s}, {330255, u"#0F0A05"_s},
        {0xFFFFFF, u"#FFFFFF"_s}, {33023, u"#FF8000"_s},   {0x1000000, u"#0000100"_s},
    };
    for (const auto& [color, html] : cases)
        EXPECT_EQ(basWebSafeColorProcs::ColorToHtml(color), html) << color;
}

TEST(RGBToHex, TakesThreePartsAtTheSeparator)
{
    EXPECT_EQ(basConversions::ColorToRGB(330255, u"; "_s), u"15; 10; 5"_s);
    EXPECT_EQ(basConversions::RGBToHex(u"1; 2; 3; 4"_s, u"; "_s), u"010203"_s);
    try {
        basConversions::RGBToHex(u"1;2;3"_s, u","_s);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), Error::SubscriptOutOfRange);
    }
}

} // namespace
