#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvalet::platform;

TEST(Numbers, LeadingNumberReadsTheNumericPrefix)
{
    struct Case {
        const char* text;
        double value;
    } const cases[] = {
        {" -1.5E-02x", -0.015}, {"abc", 0},        {"", 0},        {"   12", 12},   {"12abc", 12},
        {"+3.5", 3.5},          {".5", 0.5},       {"5.", 5},      {"-.25", -0.25}, {"1e", 1},
        {"1E+", 1},             {"2.5e3", 2500},   {"1,5", 1},     {"-", 0},        {".", 0},
        {"-999.25", -999.25},   {"\t7", 0},        {"1.2.3", 1.2}, {"0x10", 0},     {"1e400", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value);
    }
}

TEST(Numbers, StrictConversionNeedsTheWholeTrimmedText)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    } const cases[] = {
        {" 12.5 ", true, 12.5}, {"-1E-3", true, -0.001}, {"+4", true, 4}, {"12abc", false, 0},
        {"", false, 0},         {"   ", false, 0},       {"1 2", false, 0}, {".", false, 0},
        {"\t1", false, 0},      {"5.", true, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -1;
        EXPECT_EQ(strictNumber(c.text, v), c.ok);
        if (c.ok)
            EXPECT_DOUBLE_EQ(v, c.value);
        else
            EXPECT_EQ(v, -1);
    }
}

TEST(Numbers, RealToIntegerConversions)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
    EXPECT_EQ(intFloor(-1.5), -2);
    EXPECT_EQ(intFloor(1.999), 1);
    EXPECT_EQ(intFloor(7), 7);
}

TEST(Numbers, MaskFormattingRoundsTheDecimalValueHalfAwayFromZero)
{
    struct Case {
        double value;
        const char* mask;
        const char* text;
    } const cases[] = {
        {2.675, "0.00", "2.68"},
        {-2.675, "0.00", "-2.68"},
        {1.005, "0.00", "1.01"},
        {0.125, "0.00", "0.13"},
        {2.5, "0", "3"},
        {-0.5, "0", "-1"},
        {0.4, "0", "0"},
        {-0.001, "0.00", "0.00"},
        {1000.5, "0.0000", "1000.5000"},
        {-999.25, "0.0000", "-999.2500"},
        {-999.25, "0.00000", "-999.25000"},
        {0.0001234, "0.00000000", "0.00012340"},
        {9.995, "0.00", "10.00"},
        {99.96, "0.0", "100.0"},
        {3.2, "0.", "3."},
        {3.7, "0.", "4."},
        {0.5, ".000", ".500"},
        {12.3456, ".000", "12.346"},
        {0, "0.0000", "0.0000"},
        {12345, "0.00E+00", "1.23E+04"},
        {99999, "0.00E+00", "1.00E+05"},
        {0.00012345, "0.00E+00", "1.23E-04"},
        {-250000.5, "0.00E+00", "-2.50E+05"},
        {0, "0.00E+00", "0.00E+00"},
        {1.5, "0.00E-00", "1.50E00"},
        {3.1, "#.##", "3.1"},
        {3, "#.##", "3."},
        {0.005, "0.00", "0.01"},
        {0.004, "0.00", "0.00"},
        {123456789.0, "0", "123456789"},
        {1e20, "0.0", "100000000000000000000.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.value));
        EXPECT_EQ(formatMask(c.value, c.mask), c.text);
    }
}

TEST(Numbers, PreparedMaskAppendsToABuffer)
{
    const NumberMask mask("0.000");
    std::string out = "x";
    mask.append(out, 1.23456);
    mask.append(out, -2);
    EXPECT_EQ(out, "x1.235-2.000");
    EXPECT_EQ(mask.decimals(), 3);
}

TEST(Numbers, PlainAndSettingTexts)
{
    struct Case {
        double value;
        const char* plain;
        const char* setting;
    } const cases[] = {
        {1, "1", " 1"},          {-1, "-1", "-1"},         {0, "0", " 0"},
        {1.5, "1.5", " 1.5"},    {0.1, "0.1", " 0.1"},     {-999.25, "-999.25", "-999.25"},
        {1e20, "1E+20", " 1E+20"}, {1e-5, "1E-05", " 1E-05"}, {123456.789, "123456.789", " 123456.789"},
        {0.1 + 0.2, "0.3", " 0.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(plainText(c.value), c.plain);
        EXPECT_EQ(numberText(c.value), c.setting);
    }
}

TEST(Numbers, FormattedTextReadsBackAsTheRoundedValue)
{
    const NumberMask mask("0.00000");
    for (double v = -1000.0; v < 1000.0; v += 0.731) {
        const std::string text = mask.format(v);
        EXPECT_NEAR(leadingNumber(text), v, 0.5e-5 + 1e-9) << text;
    }
}
