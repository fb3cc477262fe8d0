#include "installer/ui/colour_field.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

Colour Blue(int level) {
    return static_cast<Colour>(level) << 16;
}

TEST(ColourField, EqualCornersGiveOneFlatColourInWholeWidthBands) {
    const CornerColours flat = {0x336699, 0x336699, 0x336699, 0x336699};
    const auto fills = ColourFieldFills(flat, {640, 480}, {0, 0, 640, 480});
    ASSERT_EQ(fills.size(), 30u);
    for (std::size_t row = 0; row < fills.size(); ++row) {
        EXPECT_EQ(fills[row], (ColourFill{{0, static_cast<int>(row) * 16, 640, 16}, 0x336699}));
    }
}

// The installer's own default: bright blue in the top-left corner fading to dark blue.
TEST(ColourField, TheDefaultCornersFadeFromTheTopLeft) {
    const CornerColours defaults = {0xA00000, 0x200000, 0x200000, 0x200000};
    const PixelSize client{1000, 1000};
    EXPECT_EQ(FieldColourAt(defaults, 0, 0, client), Blue(0xA0));
    // 160 - 127 - 127 + 127: each cut term leaves the last pixel a step above its corner.
    EXPECT_EQ(FieldColourAt(defaults, 999, 999, client), Blue(0x21));
    // 160 - 64 - 64 + 128 / 4
    EXPECT_EQ(FieldColourAt(defaults, 500, 500, client), Blue(64));
    EXPECT_EQ(FieldColourAt(defaults, 500, 0, client), Blue(96));
}

TEST(ColourField, EachChannelBlendsOnItsOwn) {
    const CornerColours corners = {0x0000FF, 0x00FF00, 0xFF0000, 0x000000};
    // Half way along the top: red and green at half (red's loss cut toward zero), no blue.
    EXPECT_EQ(FieldColourAt(corners, 50, 0, {100, 100}), 0x007F80u);
    EXPECT_EQ(FieldColourAt(corners, 0, 50, {100, 100}), 0x7F0080u);
}

// Each term is cut toward zero on its own, as integer division does: 10 - 10/3 is 7, not 6.
TEST(ColourField, TermsAreDividedOneByOneAndCutTowardZero) {
    const CornerColours corners = {10, 0, 10, 0};
    EXPECT_EQ(FieldColourAt(corners, 1, 0, {3, 3}), 7u);
}

// Cut terms can leave the sum a step outside the channel's range; it is held at the end
// instead of running into the next channel.
TEST(ColourField, SumsOutsideTheChannelAreHeld) {
    EXPECT_EQ(FieldColourAt({0x000000, 0x010101, 0x010101, 0x000000}, 3, 6, {5, 7}), 0u);
    EXPECT_EQ(FieldColourAt({0xFFFFFF, 0xFEFEFE, 0xFEFEFE, 0xFFFFFF}, 3, 6, {5, 7}), 0xFFFFFFu);
}

TEST(ColourField, LargeScreensDoNotOverflow) {
    const CornerColours corners = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};
    EXPECT_EQ(FieldColourAt(corners, 40000, 0, {40000, 30000}), 0xFFFFFFu);
    EXPECT_EQ(FieldColourAt(corners, 20000, 15000, {40000, 30000}), 0x7F7F7Fu);
}

TEST(ColourField, CellsCoverThePaintedAreaFromMultiplesOfSixteen) {
    const CornerColours corners = {0xA00000, 0x200000, 0x200000, 0x200000};
    const PixelSize client{100, 50};
    const auto fills = ColourFieldFills(corners, client, {20, 20, 30, 10});
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0].Rect, (PixelRect{16, 16, 16, 16}));
    EXPECT_EQ(fills[1].Rect, (PixelRect{32, 16, 16, 16}));
    EXPECT_EQ(fills[2].Rect, (PixelRect{48, 16, 16, 16}));
    // Each cell has the colour at its centre.
    EXPECT_EQ(fills[1].Fill, FieldColourAt(corners, 40, 24, client));
    // The last cells reach past the client's edges.
    const auto all = ColourFieldFills(corners, client, {0, 0, 100, 50});
    EXPECT_EQ(all.size(), 7u * 4u);
    EXPECT_EQ(all.back().Rect, (PixelRect{96, 48, 16, 16}));
}

TEST(ColourField, BandsKeepTheWholeWidthAndChangeDownward) {
    const CornerColours corners = {0x0000FF, 0x0000FF, 0x000000, 0x000000};
    const auto fills = ColourFieldFills(corners, {200, 64}, {150, 20, 10, 30});
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0], (ColourFill{{0, 16, 200, 16}, 0xA0}));
    EXPECT_EQ(fills[2], (ColourFill{{0, 48, 200, 16}, 0x20}));
}

TEST(ColourField, NothingToPaintOutsideOrWithoutAClient) {
    const CornerColours corners = {1, 2, 3, 4};
    EXPECT_TRUE(ColourFieldFills(corners, {0, 0}, {0, 0, 100, 100}).empty());
    EXPECT_TRUE(ColourFieldFills(corners, {100, 100}, {100, 0, 20, 20}).empty());
    EXPECT_EQ(FieldColourAt(corners, 0, 0, {0, 0}), 1u);
}

}  // namespace
}  // namespace aw
