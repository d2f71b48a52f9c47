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
    const std::pair<std::function<void(Collection&)>, QString> cases[] = {
        // what is done to the links "ABC", the links afterwards and the error (0 for none)
        {[](auto& c) { c.Add(Link(u"D"_s)); }, u"ABCD 0"_s},
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 1); }, u"DABC 0"_s},
        {[](auto& c) { c.AddBefore(Link(u"D"_s), 3); }, u"ABDC 0"_s},
        {[](auto& c) { c.AddAfter(Link(u"D"_s), 3); }, u"ABCD 0"_s},
        {[](auto& c) { c.Remove(1); }, u"BC 0"_s},
        {[](auto& c) { c.Item(0); }, u"ABC 9"_s},
        {[](auto& c) { c.Item(4); }, u"ABC 9"_s},
        {[](auto& c) { c.AddBefore(Link(u"X"_s), 4); }, u"ABC 9"_s},
        {[](auto& c) { c.AddAfter(Link(u"X"_s), 0); }, u"ABC 9"_s},
        {[](auto& c) { c.Add(nullptr); }, u"ABC 380"_s},
    };
    for (const auto& [operation, expected] : cases) {
        Collection links;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s})
            links.Add(Link(name));
        qint32 error = 0;
        try {
            operation(links);
        } catch (const Error& e) {
            error = e.Number();
        }
        QString names;
        for (qint32 position = 1; position <= links.Count(); ++position)
            names += links.Item(position)->Name();
        EXPECT_EQ(names + u' ' + QString::number(error), expected);
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
    EXPECT_EQ(basWebSafeColorProcs::ColorToHtml(330255), u"#0F0A05"_s);
    EXPECT_EQ(basWebSafeColorProcs::ColorToHtml(0x1000000), u"#0000100"_s);
    EXPECT_EQ(basConversions::ColorToRGB(330255, u"; "_s), u"15; 10; 5"_s);
    EXPECT_EQ(basConversions::RGBToHex(u"1; 2; 3; 4"_s, u"; "_s), u"010203"_s);
    EXPECT_THROW(basConversions::RGBToHex(u"1;2;3"_s, u","_s), Error);
}

} // namespace
