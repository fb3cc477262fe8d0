#include <gtest/gtest.h>

#include "monitor/core/settings/profile_values.h"

namespace lw {
namespace {

TEST(ProfileInteger, DecimalAndHexadecimalSpellings) {
    EXPECT_EQ(ParseProfileInteger("31"), 31);
    EXPECT_EQ(ParseProfileInteger("-4"), -4);
    EXPECT_EQ(ParseProfileInteger("+7"), 7);
    EXPECT_EQ(ParseProfileInteger("0x1F"), 31);
    EXPECT_EQ(ParseProfileInteger("0X1f"), 31);
    EXPECT_EQ(ParseProfileInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseProfileInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseProfileInteger("-2147483648"), INT32_MIN);
}

TEST(ProfileInteger, AnythingElseDoesNotParse) {
    for (const char* text : {"", "0x", "0x-1", "0x+1", "0x100000000", "12abc", "1.5", "2147483648",
                             "--1", "+-1", " 7", "abc"}) {
        EXPECT_FALSE(ParseProfileInteger(text)) << '"' << text << '"';
    }
}

TEST(ProfileColour, TakesTheWholeUnsignedRange) {
    EXPECT_EQ(ParseProfileColour("12632256"), 0xC0C0C0u);
    EXPECT_EQ(ParseProfileColour("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseProfileColour("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseProfileColour("0x0000FF"), 255u);
    EXPECT_FALSE(ParseProfileColour("4294967296"));
    EXPECT_FALSE(ParseProfileColour("red"));
}

TEST(ProfileReal, AcceptsDecimalAndExponentNotation) {
    EXPECT_EQ(ParseProfileReal("0"), 0.0);
    EXPECT_EQ(ParseProfileReal("0.25"), 0.25);
    EXPECT_EQ(ParseProfileReal("-45292.5"), -45292.5);
    EXPECT_EQ(ParseProfileReal("+1e3"), 1000.0);
    EXPECT_EQ(ParseProfileReal(" 2.50000000000000E-0001"), 0.25);
    EXPECT_EQ(ParseProfileReal("4.52925000000000E+0004 "), 45292.5);
    for (const char* text : {"", " ", "abc", "1,5", "inf", "nan", "1e999", "0x10", "1.5x"}) {
        EXPECT_FALSE(ParseProfileReal(text)) << '"' << text << '"';
    }
}

TEST(ProfileReal, WrittenInTheFixedTwentyThreeCharacterForm) {
    EXPECT_EQ(FormatProfileReal(0.25), " 2.50000000000000E-0001");
    EXPECT_EQ(FormatProfileReal(0), " 0.00000000000000E+0000");
    EXPECT_EQ(FormatProfileReal(-45292.5), "-4.52925000000000E+0004");
    EXPECT_EQ(FormatProfileReal(1e-300), " 1.00000000000000E-0300");
    EXPECT_EQ(FormatProfileReal(1.0 / 3), " 3.33333333333333E-0001");
    EXPECT_EQ(FormatProfileReal(9.999999999999999), " 1.00000000000000E+0001");
    EXPECT_EQ(FormatProfileReal(-0.0), " 0.00000000000000E+0000");
}

TEST(ProfileReal, WrittenValuesReadBackToFifteenDigits) {
    for (double value : {45292.123456789, 1.0 / 86400, 0.0, -3.5e-7, 2958465.99}) {
        const std::string text = FormatProfileReal(value);
        ASSERT_EQ(text.size(), 23u) << text;
        EXPECT_NEAR(*ParseProfileReal(text), value, std::abs(value) * 1e-14) << text;
    }
}

}  // namespace
}  // namespace lw
