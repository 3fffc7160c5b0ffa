#include "platform/Fields.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvalet::platform;

TEST(Text, CaseInsensitiveHelpersFoldAsciiOnly)
{
    EXPECT_TRUE(equalsNoCase("DePt", "dept"));
    EXPECT_FALSE(equalsNoCase("\xe9", "\xc9"));  // bytes above 127 are not folded
    EXPECT_TRUE(startsWithNoCase("~Ascii", "~a"));
    EXPECT_TRUE(endsWithNoCase("well.LAS", ".las"));
    EXPECT_EQ(findNoCase("abc~vERSION", "~Version"), 3u);
    EXPECT_EQ(findNoCase("abc", "d"), std::string_view::npos);
    EXPECT_EQ(findNoCase("abc", "", 2), 2u);
    EXPECT_LT(compareNoCase("abc", "ABD"), 0);
    EXPECT_EQ(compareNoCase("ABC", "abc"), 0);
    EXPECT_EQ(toUpper("gr.api"), "GR.API");
}

TEST(Text, ReplaceAllIgnoresCaseAndDoesNotRescanTheReplacement)
{
    std::string s = "Null -999.25 NULL null";
    EXPECT_EQ(replaceAllNoCase(s, "null", "nullx"), 3u);
    EXPECT_EQ(s, "nullx -999.25 nullx nullx");
    EXPECT_EQ(replaceAllNoCase(s, "", "x"), 0u);
}

TEST(Text, TrimmingRemovesBlanksButNeverTabs)
{
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(trimLeftBlanks("  x "), "x ");
    EXPECT_EQ(trimRightBlanks("  x "), "  x");
    EXPECT_EQ(trimBlanks("    "), "");
}

TEST(Fields, SplittingRules)
{
    struct Case {
        const char* line;
        const char* separators;
        std::vector<std::string> fields;
    } const cases[] = {
        {"  1000.0   12.5  -999.25 ", " ", {"1000.0", "12.5", "-999.25"}},
        {"a,,b", ",", {"a", "", "b"}},
        {"a,b,", ",", {"a", "b", ""}},
        {",a", ",", {"", "a"}},
        {"", ",", {}},
        {"    ", " ", {}},
        {"a\tb\t\tc", "\t", {"a", "b", "", "c"}},
        {"1 , 2 ,, 3", " ,", {"1", "2", "", "3"}},
        {"1\t 2", " \t", {"1", "2"}},
        {"DEPT.M 100 : depth", ".:", {"DEPT", "M 100 ", " depth"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Fields f(c.line, c.separators);
        ASSERT_EQ(f.count(), static_cast<int>(c.fields.size()));
        for (int i = 1; i <= f.count(); ++i)
            EXPECT_EQ(f.field(i), c.fields[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(f.field(f.count() + 1), "");
        EXPECT_EQ(f.field(0), "");
    }
}

TEST(Fields, OffsetsPointIntoTheLine)
{
    Fields f("  12.5   7", " ");
    EXPECT_EQ(f.fieldBegin(1), 2u);
    EXPECT_EQ(f.fieldEnd(1), 6u);
    EXPECT_EQ(f.fieldBegin(2), 9u);
    EXPECT_EQ(f.fieldEnd(2), 10u);
    f.split("x y z", " ");  // reusing the splitter forgets the old line
    EXPECT_EQ(f.count(), 3);
    EXPECT_EQ(f.field(3), "z");
}
