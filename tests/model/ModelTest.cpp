#include "common/QStringPrinter.h"
#include "model/CWebPage.h"
#include "model/basConversions.h"
#include "model/basWebSafeColorProcs.h"
#include "support/Error.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

std::shared_ptr<CWebPage> Link(const QString& name)
{
    auto link = std::make_shared<CWebPage>();
    link->SetName(name);
    return link;
}

TEST(Collection, KeepsOrderAndRefusesPositionsOutsideItsLinks)
{
    const std::tuple<std::function<void(Collection&)>, QString, qint32> cases[] = {
        // what is done to the links "ABC", the links afterwards, the error (0 for none)
        {[](auto& c) { c.Add(Link(u"D"_s)); }, u"ABCD"_s, 0},
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 1); }, u"DABC"_s, 0},
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 3); }, u"ABDC"_s, 0},
        {[](auto& c) { c.AddAfter(Link(u"D"_s), 3); }, u"ABCD"_s, 0},
        {[](auto& c) { c.Remove(1); }, u"BC"_s, 0},
        {[](auto& c) { c.Item(0); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.Item(4); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.Remove(-1); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.AddBefore(Link(u"X"_s), 4); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.AddAfter(Link(u"X"_s), 0); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](auto& c) { c.Add(nullptr); }, u"ABC"_s, Error::InvalidPropertyValue},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& [operation, expected, expectedError] = cases[i];
        Collection links;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s})
            links.Add(Link(name));
        qint32 error = 0;
        try {
            operation(links);
        } catch (const Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, expectedError);
        QString names;
        for (qint32 position = 1; position <= links.Count(); ++position)
            names += links.Item(position)->Name();
        EXPECT_EQ(names, expected);
    }
}

TEST(Collection, HoldsAtMost32766LinksAndHandsOutTheLinksThemselves)
{
    Collection links;
    for (qint32 count = 0; count < Collection::MaxCount; ++count)
        links.Add(Link({}));
    EXPECT_THROW(links.Add(Link({})), Error);
    EXPECT_EQ(links.Count(), 32766);
    links.Item(2)->SetName(u"Edited"_s); // the link dialog edits the very link the page holds
    EXPECT_EQ(links.Item(2)->Name(), u"Edited"_s);
}

TEST(Colors, ConvertRedFirst)
{
    const std::pair<qint32, QString> cases[] = {
        {0, u"#000000"_s},      {255, u"#FF0000"_s},   {16711680, u"#0000FF"_s},
        {330255, u"#0F0A05"_s}, {33023, u"#FF8000"_s}, {0x1000000, u"#0000100"_s},
    };
    for (const auto& [color, html] : cases)
        EXPECT_EQ(basWebSafeColorProcs::ColorToHtml(color), html) << color;
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
