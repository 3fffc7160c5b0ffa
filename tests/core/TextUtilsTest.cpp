#include "core/TextUtils.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

namespace corvalet::core {
namespace {

TEST(TextUtilsTest, DecimalPowerAndLogarithm)
{
    EXPECT_DOUBLE_EQ(pow10(50), 1e50);
    EXPECT_DOUBLE_EQ(pow10(-50), 1e-50);
    EXPECT_DOUBLE_EQ(pow10(2), 100.0);
    EXPECT_DOUBLE_EQ(pow10(-1.5), 0.031622776601683791);
    EXPECT_EQ(pow10(50.0001), 0.0);
    EXPECT_EQ(pow10(-50.0001), 0.0);

    EXPECT_DOUBLE_EQ(log10(1000.0).value(), 3.0);
    EXPECT_FALSE(log10(0.0).has_value());
    EXPECT_FALSE(log10(-5.0).has_value());
}

TEST(TextUtilsTest, IsBetweenTakesTheValueFirstAndBoundsInEitherOrder)
{
    EXPECT_TRUE(isBetween(5.0, 1.0, 10.0));
    EXPECT_TRUE(isBetween(5.0, 10.0, 1.0));
    EXPECT_TRUE(isBetween(10.0, 10.0, 1.0));
    EXPECT_TRUE(isBetween(1.0, 10.0, 1.0));
    EXPECT_FALSE(isBetween(0.5, 10.0, 1.0));
    EXPECT_FALSE(isBetween(1.0, 5.0, 10.0));  // a swapped call would say True
    EXPECT_TRUE(isBetween("gamma", "ALPHA", "Zeta"));
    EXPECT_TRUE(isBetween("GAMMA", "zeta", "alpha"));
    EXPECT_FALSE(isBetween("omega", "alpha", "beta"));
}

TEST(TextUtilsTest, PaddingNeverCuts)
{
    EXPECT_EQ(padLeft("ab", 5), "ab   ");
    EXPECT_EQ(padRight("ab", 5), "   ab");
    EXPECT_EQ(padLeft("abcdef", 3), "abcdef");
    EXPECT_EQ(padRight("abcdef", 3), "abcdef");
    EXPECT_EQ(padRight(12.5, 6), "  12.5");
    EXPECT_EQ(padLeft(-3.0, 4), "-3  ");
}

TEST(TextUtilsTest, FieldAndOccurrenceCounts)
{
    struct Case {
        const char* line;
        const char* delimiter;
        int fields;
    };
    const Case cases[] = {
        {"a   b", " ", 2}, {"a,,b", ",", 3}, {"", ",", 1}, {"  a  ", " ", 1},
        {"aXbxc", "x", 3}, {"a, b, c", ",", 3}, {"a|b", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + c.delimiter);
        EXPECT_EQ(countFields(c.line, c.delimiter), c.fields);
    }
    // Non-overlapping: the search goes on after the end of each match.
    EXPECT_EQ(countOccurrences("ababab", "aba"), 1);
    EXPECT_EQ(countOccurrences("abaXaba", "ABA"), 2);
    EXPECT_EQ(countOccurrences("ABab", "b"), 2);
    EXPECT_EQ(countOccurrences("abc", ""), 0);
    EXPECT_EQ(countOccurrences("", "a"), 0);
}

TEST(TextUtilsTest, TrimmingLineEndsAndZeros)
{
    EXPECT_EQ(trimCrLf("\r\nx\r\n"), "x");
    EXPECT_EQ(trimCrLf(" \r\n \r\n a b \r\n "), "a b");
    EXPECT_EQ(trimCrLf("x\r"), "x\r");
    EXPECT_EQ(trimCr("\r\rx \r"), "x");

    struct Case {
        const char* in;
        const char* out;
    };
    const Case zeros[] = {
        {"12.50000", "12.5"}, {"012.00", "12.0"}, {"0.25000", "0.25"}, {"0.00000", "0.0"},
        {"10.000", "10.0"},   {"-0.500", "-0.5"}, {"100", "100"},     {"0", "0"},
        {"", ""},
    };
    for (const Case& c : zeros) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(trimZeros(c.in), c.out);
    }
}

TEST(TextUtilsTest, NumberMasksWordsAndDepthTexts)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case masks[] = {
        {"1000.500", "0.000"}, {"12", "0"}, {"250000.5", "0.00E+00"}, {"-250000.5", "0.0"},
        {"", ""}, {" ", ""}, {"3.", "0."}, {"100000", "0.00E+00"},
    };
    for (const Case& c : masks) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(numFormatMask(c.in), c.out);
    }
    const Case words[] = {
        {"", ""}, {"  7 ", "7"}, {"2.5", "2.5"}, {"one", "1"}, {" TWELVE ", "12"},
        {"Seven", "7"}, {"0", ""}, {"-3", ""}, {"thirteen", ""}, {"5x", ""},
    };
    for (const Case& c : words) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(numberWordToDigits(c.in), c.out);
    }

    std::string value = "0.5", unit = " F ";
    EXPECT_EQ(formatDepthFtM(value, unit), "6\" 0.5000 f (0.1524 m)");
    EXPECT_EQ(unit, "F");
    EXPECT_EQ(value, "0.5");

    value = "1";
    unit = "M";
    EXPECT_EQ(formatDepthFtM(value, unit), "39\" 3.2808 f (1.0000 m)");
    EXPECT_EQ(value, "3.28084");

    value = "-0.25";
    unit = "";
    EXPECT_EQ(formatDepthFtM(value, unit), "3\" 0.2500 f (0.0762 m)");
}

TEST(TextUtilsTest, KeyFilterModes)
{
    struct Case {
        int mode;
        char key;
        int expected;
    };
    const Case cases[] = {
        {0, '5', '5'}, {0, '.', '.'}, {0, '-', 0},   {0, 'a', 0},
        {1, '-', '-'}, {1, 'e', 0},
        {2, 'a', 'A'}, {2, '1', '1'}, {2, ':', ':'},
        {3, 'Q', 'q'}, {3, 'q', 'q'},
        {4, ' ', ' '}, {4, '~', '~'}, {4, '\t', 0},
        {5, 'a', 'a'}, {5, 'A', 0},
        {6, 'A', 'A'}, {6, 'a', 0},
        {7, 'z', 'z'}, {7, 'Z', 'Z'}, {7, '7', '7'}, {7, '-', 0}, {7, ' ', 0},
        {8, '9', '9'}, {8, '.', 0},
        {9, ' ', ' '}, {9, '-', '-'}, {9, '.', '.'}, {9, 'x', 0},
        {10, ' ', ' '}, {10, '.', 0},
        {11, 'x', 'x'}, {11, ':', 0}, {11, '.', 0}, {11, ' ', 0},
        {12, '.', '.'}, {12, ':', 0}, {12, ' ', 0},
        {13, 'a', 0}, {-1, '1', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " '" + c.key + "'");
        EXPECT_EQ(filterKeyAscii(c.key, c.mode), c.expected);
    }
    for (int mode = -1; mode <= 13; ++mode) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(filterKeyAscii('|', mode), 0);
        EXPECT_EQ(filterKeyAscii(8, mode), 8);
        EXPECT_EQ(filterKeyAscii(13, mode), 13);
        EXPECT_EQ(filterKeyAscii(256, mode), 0);
        EXPECT_EQ(filterKeyAscii(-5, mode), 0);
    }
}

TEST(TextUtilsTest, CurvesOfSameKindReadsTheCurveLibrary)
{
    AppState state;
    initGlobals(state);
    std::vector<std::string> list{"stale"};
    EXPECT_TRUE(curvesOfSameKind(state, "GR", list));
    EXPECT_EQ(list, std::vector<std::string>{""});

    const char* rows[][3] = {
        {"Gamma", "GR", "Gamma ray"}, {"Res", "ILD", "Deep"}, {"gamma", "SGR", "Spectral"},
        {"", "CALI", "Caliper"}, {"Res", "ILM", "Medium"},
    };
    state.curveLibrary.redimPreserve(5);
    for (int i = 0; i < 5; ++i)
        for (int f = 0; f < 3; ++f)
            state.curveLibrary(f, i + 1) = rows[i][f];

    EXPECT_TRUE(curvesOfSameKind(state, "sgr", list));
    EXPECT_EQ(list, (std::vector<std::string>{"", "GR", "SGR"}));
    EXPECT_TRUE(curvesOfSameKind(state, "ILM", list));
    EXPECT_EQ(list, (std::vector<std::string>{"", "ILD", "ILM"}));
    EXPECT_TRUE(curvesOfSameKind(state, "CALI", list));  // an empty group
    EXPECT_EQ(list, std::vector<std::string>{""});
    EXPECT_TRUE(curvesOfSameKind(state, "NPHI", list));
    EXPECT_EQ(list, std::vector<std::string>{""});
}

} // namespace
} // namespace corvalet::core
