// Title texts, picture buttons, the activity gauge and the percentage bar.
#include <gtest/gtest.h>

#include <set>

#include "installer/ui/activity_gauge.h"
#include "installer/ui/percentage_bar.h"
#include "installer/ui/picture_button.h"
#include "installer/ui/title_text.h"

namespace aw {
namespace {

TEST(TitleText, TheDefaultTitleIsBoldItalicAndFillsItsBoxHeight) {
    const TitleText title;
    EXPECT_EQ(TitleFontFor(title, {1024, 768}), (TitleFont{107, true, true, "Arial"}));
    TitleText plain;
    plain.FontFlag1 = 0;
    plain.FontFlag2 = 0;
    plain.FontName = "Times New Roman";
    EXPECT_EQ(TitleFontFor(plain, {1024, 768}), (TitleFont{107, false, false, "Times New Roman"}));
}

TEST(TitleText, TheShadowGoesFirstRightAndDown) {
    TitleText title;
    title.Colour = static_cast<std::int32_t>(0x7F00FF00);
    const PixelSize client{1024, 768};
    EXPECT_EQ(TitleCopies(title, client, 4),
              (std::vector<TextCopy>{{{34, 27}, 0x000000}, {{30, 23}, 0x00FF00}}));
    title.ShadowMode = 1;
    EXPECT_EQ(TitleCopies(title, client, 5),
              (std::vector<TextCopy>{{{32, 25}, 0xFFFFFF}, {{30, 23}, 0x00FF00}}));
    title.ShadowMode = 0;
    EXPECT_EQ(TitleCopies(title, client, 4), (std::vector<TextCopy>{{{30, 23}, 0x00FF00}}));
}

TEST(TitleText, TheShadowDistanceFollowsTheDisplay) {
    EXPECT_EQ(ShadowDistance(96), 4);
    EXPECT_EQ(ShadowDistance(120), 5);
    EXPECT_EQ(ShadowDistance(30), 2);
}

TEST(TitleText, ATextWiderThanItsBoxIsNarrowed) {
    EXPECT_EQ(FittedCharacterWidth(50, 1000, 776), 38);
    EXPECT_EQ(FittedCharacterWidth(50, 700, 776), 0);
    EXPECT_EQ(FittedCharacterWidth(50, 1000, 0), 0);
    EXPECT_EQ(FittedCharacterWidth(1, 5000, 1), 1);
}

TEST(PictureButton, OnlyAReleaseOverTheButtonSendsItsCommand) {
    PictureButtonPress button;
    button.Press();
    EXPECT_TRUE(button.DrawnDown());
    EXPECT_TRUE(button.Release());
    EXPECT_EQ(button.Current(), PictureButtonPress::State::Released);

    button.Press();
    EXPECT_TRUE(button.Move(false));
    EXPECT_EQ(button.Current(), PictureButtonPress::State::PressedOutside);
    EXPECT_FALSE(button.DrawnDown());
    EXPECT_FALSE(button.Move(false));
    EXPECT_FALSE(button.Release());

    button.Press();
    button.Move(false);
    EXPECT_TRUE(button.Move(true));
    EXPECT_TRUE(button.DrawnDown());
    EXPECT_TRUE(button.Release());
}

TEST(PictureButton, MovesAndReleasesWithoutAPressDoNothing) {
    PictureButtonPress button;
    EXPECT_FALSE(button.Move(false));
    EXPECT_EQ(button.Current(), PictureButtonPress::State::Released);
    EXPECT_FALSE(button.Release());
}

TEST(ActivityGauge, PulsesFlickerBetweenSeventyAndAHundredAtMostEveryTwoHundredMs) {
    ActivityGaugeLevels gauge;
    gauge.Open(5000);
    std::set<int> seen;
    std::uint32_t now = 5000;
    for (int i = 0; i < 400; ++i, now += 200) {
        const auto levels = gauge.Pulse(now);
        ASSERT_TRUE(levels.has_value()) << i;
        for (int level : {levels->First, levels->Second}) {
            ASSERT_GE(level, 70);
            ASSERT_LE(level, 100);
            seen.insert(level);
        }
        EXPECT_FALSE(gauge.Pulse(now + 199).has_value());
    }
    EXPECT_EQ(seen.size(), 31u);
}

TEST(ActivityGauge, TheIntervalHoldsAcrossTheTickCountsWrap) {
    ActivityGaugeLevels gauge;
    gauge.Open(0xFFFFFF00u);
    EXPECT_TRUE(gauge.Pulse(0xFFFFFFF0u).has_value());
    EXPECT_FALSE(gauge.Pulse(0x00000050u).has_value());
    EXPECT_TRUE(gauge.Pulse(0x00000100u).has_value());
}

TEST(ActivityGauge, OnlyTheLowSixteenBitsOfTheOpeningTimeCount) {
    ActivityGaugeLevels one;
    ActivityGaugeLevels other;
    one.Open(0x12345678u);
    other.Open(0xABCD5678u);
    EXPECT_EQ(one.Pulse(0), other.Pulse(0));
    EXPECT_EQ(one.Pulse(1000), other.Pulse(1000));
    EXPECT_EQ(kIdleGaugeLevels, (GaugeLevels{77, 90}));
}

TEST(PercentageBar, AWideBarFillsFromTheLeft) {
    EXPECT_EQ(DrawBar({100, 20}, 40), (BarDrawing{true, {0, 0, 40, 20}, {40, 0, 60, 20}, "40%"}));
    EXPECT_EQ(DrawBar({30, 30}, 50).Horizontal, true);
    EXPECT_EQ(DrawBar({101, 10}, 33).Filled, (PixelRect{0, 0, 33, 10}));
}

TEST(PercentageBar, ATallBarFillsFromTheBottom) {
    EXPECT_EQ(DrawBar({20, 100}, 25), (BarDrawing{false, {0, 75, 20, 25}, {0, 0, 20, 75}, "25%"}));
}

TEST(PercentageBar, ValuesOutsideTheScaleStopAtItsEnds) {
    EXPECT_EQ(DrawBar({100, 20}, 130),
              (BarDrawing{true, {0, 0, 100, 20}, {100, 0, 0, 20}, "100%"}));
    EXPECT_EQ(DrawBar({100, 20}, -5), (BarDrawing{true, {0, 0, 0, 20}, {0, 0, 100, 20}, "0%"}));
}

}  // namespace
}  // namespace aw
