#include <gtest/gtest.h>

#include <limits>

#include "monitor/controls/spin_layout.h"
#include "monitor/controls/spin_value.h"

namespace lw {
namespace {

using Limits = std::numeric_limits<std::int32_t>;

TEST(SpinValueTest, OnlyASignedDecimalIntegerThatFitsParses) {
    EXPECT_EQ(ParseSpinText("0"), 0);
    EXPECT_EQ(ParseSpinText("-1000"), -1000);
    EXPECT_EQ(ParseSpinText("+25"), 25);
    EXPECT_EQ(ParseSpinText("007"), 7);
    EXPECT_EQ(ParseSpinText("2147483647"), Limits::max());
    EXPECT_EQ(ParseSpinText("-2147483648"), Limits::min());
    for (const char* text : {"", "-", "+", "abc", "12a", " 5", "5 ", "1.5", "+-3", "--3",
                             "2147483648", "-2147483649", "99999999999", "0x10"}) {
        EXPECT_EQ(ParseSpinText(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(SpinValueTest, ARangeWithEqualEndsLimitsNothing) {
    EXPECT_EQ(LimitValue(25, 0, 18), 18);
    EXPECT_EQ(LimitValue(-3, 0, 18), 0);
    EXPECT_EQ(LimitValue(7, 0, 18), 7);
    EXPECT_EQ(LimitValue(99999, 0, 0), 99999);
    EXPECT_EQ(LimitValue(-99999, 5, 5), -99999);
}

TEST(SpinValueTest, StepsStopAtTheEndsOfTheRangeInsteadOfWrapping) {
    EXPECT_EQ(StepValue(17, 1), 18);
    EXPECT_EQ(StepValue(-999, -5), -1004);
    EXPECT_EQ(StepValue(Limits::max(), 1), Limits::max());
    EXPECT_EQ(StepValue(Limits::min(), -1), Limits::min());
    EXPECT_EQ(StepValue(Limits::min(), Limits::min()), Limits::min());
}

TEST(SpinValueTest, TypedCharactersAreSignsDigitsTheSeparatorAndControlCharacters) {
    for (char key : std::string("+-0123456789,\b\x01\x16\x18\t")) {
        EXPECT_TRUE(AcceptsSpinChar(key, true, ',')) << int(key);
    }
    for (char key : std::string("a.Z e\r")) {
        EXPECT_FALSE(AcceptsSpinChar(key, true, ',')) << int(key);
    }
    EXPECT_FALSE(AcceptsSpinChar(static_cast<char>(0xE9), true, ','));
    // With the editor off nothing can be typed or rubbed out; copy and paste keys still
    // reach the edit, which refuses the paste itself.
    for (char key : std::string("5-,\b")) {
        EXPECT_FALSE(AcceptsSpinChar(key, false, ',')) << int(key);
    }
    EXPECT_TRUE(AcceptsSpinChar('\x16', false, ','));
}

TEST(SpinLayoutTest, TheEditKeepsRoomForItsTextAndItsButton) {
    // A 13-pixel font with a 16-pixel system font and one-pixel borders.
    EXPECT_EQ(SpinEditMinHeight(13, 16, 1), 13 + 3 + 4 + 2);
    // A font larger than the system's takes its leading from the system font.
    EXPECT_EQ(SpinEditMinHeight(24, 16, 1), 24 + 4 + 4 + 2);

    EXPECT_EQ(SpinButtonPlace(80, 22, 15, true), ControlRect::Sized(60, 0, 15, 17));
    EXPECT_EQ(SpinButtonPlace(80, 22, 15, false), ControlRect::Sized(65, 1, 15, 19));
    EXPECT_EQ(SpinEditTextRect(76, 18, 15), (ControlRect{0, 0, 59, 19}));
}

TEST(SpinLayoutTest, TheLowerHalfSharesTheUpperHalfsBottomRow) {
    const SpinHalves even = SpinButtonHalves(15, 16);
    EXPECT_EQ(even.up, ControlRect::Sized(0, 0, 15, 8));
    EXPECT_EQ(even.down, ControlRect::Sized(0, 7, 15, 9));
    const SpinHalves odd = SpinButtonHalves(20, 25);
    EXPECT_EQ(odd.up, ControlRect::Sized(0, 0, 20, 12));
    EXPECT_EQ(odd.down, ControlRect::Sized(0, 11, 20, 14));
}

}  // namespace
}  // namespace lw
