#include "Wildcard.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace
{

TEST(Wildcard, Matches)
{
    const struct {
        QString pattern;
        QStringList matching, others;
    } cases[] = {
        {u"*.gif"_s, {u"cat.gif"_s, u".gif"_s}, {u"CAT.GIF"_s, u"cat.Gif"_s, u"a.gif.txt"_s}},
        {u"*"_s, {QString(), u"any name"_s}, {}},
        {u"*.*"_s, {u"a.b"_s}, {u"README"_s}},
        {u"a*b*c"_s, {u"aXbYc"_s, u"abc"_s}, {u"aXbYcZ"_s}},
        {u"b*n*a"_s, {u"banana"_s}, {u"bananas"_s}},
        {u"**ana"_s, {u"banana"_s}, {u"ban"_s}},
        {u"?at"_s, {u"cat"_s}, {u"at"_s, u"chat"_s}},
        {u"file#.jpg"_s, {u"file7.jpg"_s}, {u"fileX.jpg"_s, u"file12.jpg"_s}},
        {u"[bc]at"_s, {u"bat"_s, u"cat"_s}, {u"rat"_s, u"Bat"_s}},
        {u"[!bc]at"_s, {u"rat"_s, u"Bat"_s}, {u"bat"_s, u"at"_s}},
        {u"[a-c]x"_s, {u"bx"_s}, {u"dx"_s, u"Bx"_s}},
        {u"[0-9A-F]#"_s, {u"B7"_s, u"07"_s}, {u"b7"_s, u"G7"_s}},
        {u"[a-]"_s, {u"-"_s, u"a"_s}, {u"b"_s}},
        {u"[-a]"_s, {u"-"_s}, {u"b"_s}},
        {u"[*?#]"_s, {u"*"_s, u"#"_s}, {u"x"_s}},
        {u"[abc"_s, {}, {u"a"_s, u"[abc"_s}},
        {u"abc]"_s, {u"abc]"_s}, {u"abc"_s}},
        {QString(), {QString()}, {u"a"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString());
        const Wildcard wildcard(c.pattern);
        for (const QString& name : c.matching)
            EXPECT_TRUE(wildcard.Matches(name)) << name.toStdString();
        for (const QString& name : c.others)
            EXPECT_FALSE(wildcard.Matches(name)) << name.toStdString();
    }
}

} // namespace
