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

// The links as the letters of their names: "ABC".
QString Names(const Collection& links)
{
    QString names;
    for (qint32 position = 1; position <= links.Count(); ++position)
        names += links.Item(position)->Name();
    return names;
}

struct Case {
    std::function<void(Collection&)> operation;
    QString names; // afterwards, starting from "ABC"
    qint32 error;  // 0 for none
};

TEST(Collection, KeepsOrderAndRefusesPositionsOutsideItsLinks)
{
    const Case cases[] = {
        {[](Collection& c) { c.Add(Link(u"D"_s)); }, u"ABCD"_s, 0},
        {[](Collection& c) { c.AddBefore(Link(u"D"_s), 1); }, u"DABC"_s, 0},
        {[](Collection& c) { c.AddBefore(Link(u"D"_s), 3); }, u"ABDC"_s, 0},
        {[](Collection& c) { c.AddAfter(Link(u"D"_s), 1); }, u"ADBC"_s, 0},
        {[](Collection& c) { c.AddAfter(Link(u"D"_s), 3); }, u"ABCD"_s, 0},
        {[](Collection& c) { c.Remove(1); }, u"BC"_s, 0},
        {[](Collection& c) { c.Remove(3); }, u"AB"_s, 0},
        {[](Collection& c) { c.Item(0); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Item(4); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Remove(-1); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.AddBefore(Link(u"X"_s), 4); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.AddAfter(Link(u"X"_s), 0); }, u"ABC"_s, Error::SubscriptOutOfRange},
        {[](Collection& c) { c.Add(nullptr); }, u"ABC"_s, Error::InvalidPropertyValue},
    };
    for (const Case& c : cases) {
        Collection links;
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s})
            links.Add(Link(name));
        qint32 error = 0;
        try {
            c.operation(links);
        } catch (const Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, c.error) << c.names.toStdString();
        EXPECT_EQ(Names(links), c.names);
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

// The link dialog edits the very object the page holds, and may outlive the page.
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
