#include "installer/ui/screen_geometry.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

ScreenLayout Sized(int mode, int width = 800, int height = 800) {
    ScreenLayout layout;
    layout.SizeMode = mode;
    layout.Width = width;
    layout.Height = height;
    return layout;
}

TEST(ScreenWindow, SizeModeThreeTakesThousandthsOfTheScreenAndIsCentred) {
    const auto place = PlaceScreenWindow(Sized(3, 500, 500), {1024, 768}, {});
    EXPECT_EQ(place.Rect, (PixelRect{256, 192, 512, 384}));
    EXPECT_FALSE(place.Maximised);
    EXPECT_EQ(PlaceScreenWindow(Sized(3, 1500, 333), {1024, 768}, {}).Rect,
              (PixelRect{0, 256, 1024, 255}));
}

TEST(ScreenWindow, SizeModesZeroAndOneCoverTheScreen) {
    EXPECT_EQ(PlaceScreenWindow(Sized(0), {1024, 768}, {}).Rect, (PixelRect{0, 0, 1024, 768}));
    const auto maximised = PlaceScreenWindow(Sized(1), {1024, 768}, {300, 200});
    EXPECT_EQ(maximised.Rect, (PixelRect{0, 0, 1024, 768}));
    EXPECT_TRUE(maximised.Maximised);
}

TEST(ScreenWindow, SizeModeTwoTakesThePictureWindowWithinTheScreen) {
    EXPECT_EQ(PlaceScreenWindow(Sized(2), {1023, 768}, {100, 51}).Rect,
              (PixelRect{461, 358, 100, 51}));
    EXPECT_EQ(PlaceScreenWindow(Sized(2), {1024, 768}, {2000, 500}).Rect,
              (PixelRect{0, 134, 1024, 500}));
}

// The builder's exit button on a 1280 x 1024 client: a box of 115 x 66 from 1152, 942.
TEST(PictureButtons, ALargerBoxKeepsTheButtonAtItsSizeCentred) {
    const PixelRect box = RectFromThousandths({900, 920, 90, 65, 1}, {1280, 1024});
    EXPECT_EQ(box, (PixelRect{1152, 942, 115, 66}));
    EXPECT_EQ(PictureButtonPlace(box), (PixelRect{1178, 955, 63, 39}));
    EXPECT_EQ(PictureButtonPlace({10, 10, 40, 100}), (PixelRect{10, 40, 40, 39}));
    EXPECT_EQ(PictureButtonPlace({10, 10, 30, 20}), (PixelRect{10, 10, 30, 20}));
}

TEST(Thousandths, MultiplyBeforeDividingWithoutOverflow) {
    EXPECT_EQ(FromThousandths(999, 1024), 1022);
    EXPECT_EQ(FromThousandths(3'000'000, 4000), 12'000'000);
    EXPECT_EQ(PointFromThousandths(100, 750, {1280, 1024}), (PixelPoint{128, 768}));
}

TEST(Centring, HalvesAreCutTowardZero) {
    EXPECT_EQ(CentredOn({100, 100}, {51, 31}), (PixelRect{75, 85, 51, 31}));
    EXPECT_EQ(CentredOn({10, 0}, {40, 20}), (PixelRect{-10, -10, 40, 20}));
}

}  // namespace
}  // namespace aw
