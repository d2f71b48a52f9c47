#include "CWebPage.h"
#include "Error.h"

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

// The page's links as the letters of their names: "ABC".
QString Names(const CWebPage& page)
{
    QString names;
    for (qint32 position = 1; position <= page.Links().Count(); ++position)
        names += page.Links().Item(position)->Name();
    return names;
}

using Operation = std::function<void(Collection&)>;

TEST(CWebPage, StartsAsAnEmptyHomePage)
{
    const CWebPage page;
    EXPECT_EQ(page.Mode(), 0);
    EXPECT_TRUE(page.Title().isEmpty() && page.Name().isEmpty() && page.Wallpaper().isEmpty() &&
                page.MouseTrails().isEmpty() && page.MainPicture().isEmpty() &&
                page.MainLink().isEmpty());
    EXPECT_EQ(page.Backcolor(), -1);
    EXPECT_EQ(page.Forecolor(), -1);
    EXPECT_EQ(page.LinkColor() | page.VLinkColor() | page.ALinkColor(), 0);
    EXPECT_EQ(page.Links().Count(), 0);
}

TEST(Collection, KeepsLinksInTheOrderTheyAreAdded)
{
    const std::pair<Operation, QString> cases[] = {
        {[](Collection& c) { c.Add(Link(u"D"_s)); }, u"ABCD"_s},
        {[](Collection& c) { c.AddBefore(Link(u"D"_s), 1); }, u"DABC"_s},
        {[](Collection& c) { c.AddBefore(Link(u"D"_s), 3); }, u"ABDC"_s},
        {[](Collection& c) { c.AddAfter(Link(u"D"_s), 1); }, u"ADBC"_s},
        {[](Collection& c) { c.AddAfter(Link(u"D"_s), 3); }, u"ABCD"_s},
        {[](Collection& c) { c.Remove(1); }, u"BC"_s},
        {[](Collection& c) { c.Remove(3); }, u"AB"_s},
    };
    for (const auto& [operation, names] : cases) {
        CWebPage page;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s})
            page.Links().Add(Link(name));
        operation(page.Links());
        EXPECT_EQ(Names(page), names);
    }
}

TEST(Collection, RefusesPositionsOutsideItsLinks)
{
    const std::pair<Operation, qint32> cases[] = {
        {[](Collection& c) { c.Item(0); }, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Item(3); }, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Remove(-1); }, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.AddBefore(Link(u"X"_s), 3); }, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.AddAfter(Link(u"X"_s), 0); }, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Add(nullptr); }, Error::InvalidPropertyValue},
    };
    for (const auto& [operation, number] : cases) {
        CWebPage page;
        page.Links().Add(Link(u"A"_s));
        page.Links().Add(Link(u"B"_s));
        try {
            operation(page.Links());
            ADD_FAILURE() << "no error " << number;
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), number);
        }
        EXPECT_EQ(Names(page), u"AB"_s);
    }
}

TEST(Collection, HoldsAtMost32766Links)
{
    Collection links;
    for (qint32 count = 0; count < Collection::MaxCount; ++count)
        links.Add(Link({}));
    EXPECT_THROW(links.Add(Link({})), Error);
    EXPECT_EQ(links.Count(), 32766);
}

TEST(Collection, SharesItsLinksWithWhoeverHoldsThem)
{
    std::shared_ptr<CWebPage> held;
    {
        CWebPage page;
        page.Links().Add(Link(u"A"_s));
        held = page.Links().Item(1);
        held->SetName(u"Edited"_s);
        EXPECT_EQ(page.Links().Item(1)->Name(), u"Edited"_s);
    }
    EXPECT_EQ(held->Name(), u"Edited"_s);
}

} // namespace
