// The install screen as the system shows it: window places, pixels and messages.
#include "installer/ui/win32/install_screen.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"
#include "installer/ui/win32/percentage_bar_window.h"
#include "installer/ui/win32/tests/test_support.h"

namespace aw {
namespace {

using test::PixelOf;
using test::Pump;
using test::WindowPlace;

struct Received {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

// The tests' controller, which also takes over the messages of its own range and notes them.
class RecordingController : public test::ScreenController {
  public:
    using ScreenController::ScreenController;

    LRESULT ScreenMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER || (message == WM_NULL && wParam == 2)) {
            received.push_back({message, wParam, lParam});
            return 1234;
        }
        return ScreenController::ScreenMessage(window, message, wParam, lParam);
    }

    std::vector<Received> received;
};

void ExpectBlue(COLORREF pixel, int least, int most) {
    EXPECT_EQ(GetRValue(pixel), 0);
    EXPECT_EQ(GetGValue(pixel), 0);
    EXPECT_GE(GetBValue(pixel), least);
    EXPECT_LE(GetBValue(pixel), most);
}

class InstallScreenTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(library.Loaded()); }

    // A layout without anything but its background.
    static void Bare(ScreenLayout& layout) {
        layout.ExitButton.Visible = 0;
        layout.HelpButton.Visible = 0;
        layout.MinimiseButton.Visible = 0;
        layout.Gauge.Visible = 0;
    }
    static PixelSize Screen() {
        return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    static PixelSize Client(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }

    LanguageLibrary library{test::ProgramFolder() + "\\awenu.dll"};
    RecordingController controller{library.Instance()};
    ScreenLayout layout;
};

TEST_F(InstallScreenTest, EqualCornersPaintOneFlatColour) {
    Bare(layout);
    for (auto& corner : layout.CornerColours) {
        corner = 0x336699;
    }
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Flat"));
    const PixelSize client = Client(screen.Window());
    for (const POINT at : {POINT{0, 0}, POINT{client.Width / 2, client.Height / 3},
                           POINT{client.Width - 1, client.Height - 1}}) {
        EXPECT_EQ(PixelOf(screen.Window(), at.x, at.y), 0x336699u) << at.x << "," << at.y;
    }
}

// The script builder's defaults and one default title.
TEST_F(InstallScreenTest, TheDefaultLayoutShowsFieldTitleButtonsAndGauge) {
    layout.Titles.Texts.AddNew();
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Arkwell"));
    ASSERT_TRUE(screen.Realise());
    Pump();
    const HWND window = screen.Window();
    const PixelSize client = Client(window);
    EXPECT_EQ(WindowPlace(window).right, Screen().Width);

    // Bright blue at the top left, dark blue at the bottom right.
    const test::Snapshot shown(window);
    ExpectBlue(shown.At(2, 2), 0x98, 0xA0);
    ExpectBlue(shown.At(client.Width - 2, client.Height - 2), 0x20, 0x22);

    // The title: green letters over their black shadow, which lies further down.
    int green = 0, black = 0, lowestGreen = 0, lowestBlack = 0;
    for (int y = client.Height * 30 / 1000; y < client.Height * 190 / 1000; ++y) {
        for (int x = client.Width * 30 / 1000; x < client.Width * 790 / 1000; ++x) {
            const COLORREF pixel = shown.At(x, y);
            if (pixel == RGB(0, 0xFF, 0)) {
                ++green;
                lowestGreen = y;
            } else if (pixel == RGB(0, 0, 0)) {
                ++black;
                lowestBlack = y;
            }
        }
    }
    EXPECT_GT(green, 2000);
    EXPECT_GT(black, 400);
    EXPECT_GT(lowestBlack, lowestGreen);

    // Minimise above help above exit, at the right edge near the bottom.
    const HWND exit = GetDlgItem(window, kExitCommand);
    const HWND help = GetDlgItem(window, kHelpCommand);
    const HWND minimise = GetDlgItem(window, kMinimiseCommand);
    ASSERT_TRUE(exit && help && minimise);
    EXPECT_LT(WindowPlace(minimise).bottom, WindowPlace(help).top);
    EXPECT_LT(WindowPlace(help).bottom, WindowPlace(exit).top);
    for (HWND button : {exit, help, minimise}) {
        EXPECT_GT(WindowPlace(button).left, client.Width * 85 / 100);
        EXPECT_GT(WindowPlace(button).top, client.Height * 70 / 100);
    }
    // The exit button's cross, at its middle, in the bitmap's red.
    EXPECT_EQ(PixelOf(exit, 31, 19), RGB(0xB0, 0x18, 0x18));

    // The gauge: near the left edge at three quarters of the height, standing still.
    const HWND gauge = test::OwnedDialog(window);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(WindowPlace(gauge).left, client.Width * 100 / 1000);
    EXPECT_EQ(WindowPlace(gauge).top, client.Height * 750 / 1000);
    EXPECT_EQ(SendDlgItemMessageA(gauge, AW_ID_GAUGE_FIRST_BAR, kBarGetValue, 0, 0), 77);
    EXPECT_EQ(SendDlgItemMessageA(gauge, AW_ID_GAUGE_SECOND_BAR, kBarGetValue, 0, 0), 90);
    const HWND firstBar = GetDlgItem(gauge, AW_ID_GAUGE_FIRST_BAR);
    RECT bar;
    GetClientRect(firstBar, &bar);
    EXPECT_EQ(PixelOf(firstBar, 1, bar.bottom - 2), RGB(0, 0xFF, 0));
    EXPECT_EQ(PixelOf(firstBar, 1, 1), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(PixelOf(GetDlgItem(gauge, AW_ID_GAUGE_SECOND_BAR), 1, bar.bottom - 2),
              RGB(0xFF, 0, 0));
}

TEST_F(InstallScreenTest, ATitleWiderThanItsBoxIsNarrowedToIt) {
    Bare(layout);
    TitleText& title = layout.Titles.Texts.AddNew();
    title.Place = {100, 300, 250, 150, 1};
    title.ShadowMode = 0;
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Narrow"));
    const test::Snapshot shown(screen.Window());
    const PixelSize client = Client(screen.Window());
    int leftmost = client.Width, rightmost = 0;
    for (int y = client.Height * 300 / 1000; y < client.Height * 450 / 1000; ++y) {
        for (int x = 0; x < client.Width; ++x) {
            if (shown.At(x, y) == RGB(0, 0xFF, 0)) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
        }
    }
    // The slant may reach a little past the measured width at either end.
    const int boxLeft = client.Width * 100 / 1000, boxWidth = client.Width * 250 / 1000;
    EXPECT_GE(leftmost, boxLeft - 4);
    EXPECT_LE(rightmost, boxLeft + boxWidth + 8);
    EXPECT_GT(rightmost, boxLeft + boxWidth * 8 / 10);
}

TEST_F(InstallScreenTest, SizeModeThreeTakesHalfTheScreenCentred) {
    Bare(layout);
    layout.SizeMode = 3;
    layout.Width = 500;
    layout.Height = 500;
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Half"));
    const PixelSize size = Screen();
    const RECT place = WindowPlace(screen.Window());
    EXPECT_EQ(place.left, size.Width / 4);
    EXPECT_EQ(place.top, size.Height / 4);
    EXPECT_EQ(place.right - place.left, size.Width / 2);
    EXPECT_EQ(place.bottom - place.top, size.Height / 2);
    EXPECT_TRUE(IsWindowVisible(screen.Window()));
    char caption[32] = {};
    GetWindowTextA(screen.Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Half");
}

TEST_F(InstallScreenTest, SizeModeOneMaximisesTheWindow) {
    Bare(layout);
    layout.SizeMode = 1;
    layout.WindowStyle = static_cast<std::int32_t>(WS_OVERLAPPEDWINDOW);
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Maximised"));
    EXPECT_TRUE(IsZoomed(screen.Window()));
    EXPECT_TRUE(IsWindowVisible(screen.Window()));
}

TEST_F(InstallScreenTest, SizeModeTwoFitsTheBackgroundPictureOrFails) {
    Bare(layout);
    layout.SizeMode = 2;
    layout.BackgroundMode = 2;
    layout.WindowStyle = static_cast<std::int32_t>(WS_POPUP | WS_CAPTION);
    InstallScreen missing(layout, controller);
    EXPECT_FALSE(missing.Create("No picture"));
    EXPECT_EQ(missing.Window(), nullptr);

    controller.background =
        test::WriteBitmapFile("size.bmp", 300, 200, [](int, int) { return RGB(200, 100, 50); });
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Picture"));
    EXPECT_EQ(Client(screen.Window()), (PixelSize{300, 200}));
    EXPECT_EQ(PixelOf(screen.Window(), 150, 100), RGB(200, 100, 50));
}

TEST_F(InstallScreenTest, BackgroundPicturesAreTiledOrStretched) {
    Bare(layout);
    layout.BackgroundMode = 1;
    controller.background = test::WriteBitmapFile(
        "tile.bmp", 20, 20, [](int x, int) { return x < 10 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    {
        InstallScreen tiled(layout, controller);
        ASSERT_TRUE(tiled.Create("Tiled"));
        EXPECT_EQ(PixelOf(tiled.Window(), 45, 33), RGB(255, 0, 0));
        EXPECT_EQ(PixelOf(tiled.Window(), 55, 33), RGB(0, 0, 255));
    }
    layout.BackgroundMode = 2;
    InstallScreen stretched(layout, controller);
    ASSERT_TRUE(stretched.Create("Stretched"));
    const PixelSize client = Client(stretched.Window());
    EXPECT_EQ(PixelOf(stretched.Window(), client.Width / 4, client.Height / 2), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(stretched.Window(), client.Width * 3 / 4, 5), RGB(0, 0, 255));
}

TEST_F(InstallScreenTest, TheBitmapPictureIsCentredOnItsPointOrStretched) {
    Bare(layout);
    for (auto& corner : layout.CornerColours) {
        corner = 0;
    }
    controller.bitmap =
        test::WriteBitmapFile("picture.bmp", 40, 20, [](int, int) { return RGB(10, 200, 30); });
    layout.Bitmap.Place = {500, 500, 100, 100, 1};
    {
        InstallScreen centred(layout, controller);
        ASSERT_TRUE(centred.Create("Centred"));
        const PixelSize client = Client(centred.Window());
        const int x = client.Width / 2, y = client.Height / 2;
        EXPECT_EQ(PixelOf(centred.Window(), x - 20, y - 10), RGB(10, 200, 30));
        EXPECT_EQ(PixelOf(centred.Window(), x + 19, y + 9), RGB(10, 200, 30));
        EXPECT_EQ(PixelOf(centred.Window(), x + 20, y), 0u);
        EXPECT_EQ(PixelOf(centred.Window(), x, y - 11), 0u);
    }
    layout.Bitmap.DrawMode = 1;
    InstallScreen stretched(layout, controller);
    ASSERT_TRUE(stretched.Create("Stretched"));
    const PixelSize client = Client(stretched.Window());
    EXPECT_EQ(PixelOf(stretched.Window(), client.Width * 599 / 1000, client.Height * 599 / 1000),
              RGB(10, 200, 30));
    EXPECT_EQ(PixelOf(stretched.Window(), client.Width * 610 / 1000, client.Height * 550 / 1000),
              0u);
}

// Both kinds of metafile play into the picture's rectangle.
TEST_F(InstallScreenTest, TheMetafilePictureFillsItsRectangle) {
    Bare(layout);
    for (auto& corner : layout.CornerColours) {
        corner = 0;
    }
    layout.Metafile.Place.Visible = 1;
    const std::string windowsMetafile = test::ProgramFolder() + "\\picture.wmf";
    const HDC recorder = CreateMetaFileA(windowsMetafile.c_str());
    SetWindowExtEx(recorder, 100, 100, nullptr);
    const HBRUSH brush = CreateSolidBrush(RGB(250, 0, 250));
    RECT whole{0, 0, 100, 100};
    FillRect(recorder, &whole, brush);
    DeleteMetaFile(CloseMetaFile(recorder));

    const std::string enhancedMetafile = test::ProgramFolder() + "\\picture.emf";
    const HDC screenDc = GetDC(nullptr);
    const int mmX = GetDeviceCaps(screenDc, HORZSIZE) * 100 / GetDeviceCaps(screenDc, HORZRES);
    const int mmY = GetDeviceCaps(screenDc, VERTSIZE) * 100 / GetDeviceCaps(screenDc, VERTRES);
    RECT frame{0, 0, 100 * mmX, 100 * mmY};
    const HDC enhanced = CreateEnhMetaFileA(screenDc, enhancedMetafile.c_str(), &frame, nullptr);
    ReleaseDC(nullptr, screenDc);
    FillRect(enhanced, &whole, brush);
    DeleteEnhMetaFile(CloseEnhMetaFile(enhanced));
    DeleteObject(brush);

    for (const std::string& file : {windowsMetafile, enhancedMetafile}) {
        controller.metafile = file;
        InstallScreen screen(layout, controller);
        ASSERT_TRUE(screen.Create("Metafile"));
        const PixelSize client = Client(screen.Window());
        const int left = client.Width * 450 / 1000, top = client.Height * 450 / 1000;
        const int width = client.Width * 100 / 1000, height = client.Height * 100 / 1000;
        EXPECT_EQ(PixelOf(screen.Window(), left + 2, top + 2), RGB(250, 0, 250)) << file;
        EXPECT_EQ(PixelOf(screen.Window(), left + width - 3, top + height - 3), RGB(250, 0, 250))
            << file;
        EXPECT_EQ(PixelOf(screen.Window(), left + width + 3, top + height / 2), 0u) << file;
    }
}

TEST_F(InstallScreenTest, AMissingPictureIsNotDrawn) {
    Bare(layout);
    layout.BackgroundMode = 1;
    layout.Bitmap.Place.Visible = 1;
    layout.Metafile.Place.Visible = 1;
    controller.background = test::ProgramFolder() + "\\no such picture.bmp";
    controller.metafile = test::ProgramFolder() + "\\no such picture.wmf";
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Missing"));
    // The colour field stands in for the background picture.
    ExpectBlue(PixelOf(screen.Window(), 2, 2), 0x98, 0xA0);
}

TEST_F(InstallScreenTest, ButtonsKeepTheirSizeCentredInTheirBoxesAndFollowTheScreen) {
    layout.Gauge.Visible = 0;
    layout.ExitButton = {800, 800, 200, 200, 1};
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Buttons"));
    ASSERT_TRUE(screen.Realise());
    const HWND exit = GetDlgItem(screen.Window(), kExitCommand);
    auto expectCentred = [&](PixelSize client) {
        const int boxLeft = client.Width * 800 / 1000, boxTop = client.Height * 800 / 1000;
        const int boxWidth = client.Width * 200 / 1000, boxHeight = client.Height * 200 / 1000;
        const RECT place = WindowPlace(exit);
        EXPECT_EQ(place.right - place.left, 63);
        EXPECT_EQ(place.bottom - place.top, 39);
        EXPECT_EQ(place.left, boxLeft + (boxWidth - 63) / 2);
        EXPECT_EQ(place.top, boxTop + (boxHeight - 39) / 2);
    };
    expectCentred(Client(screen.Window()));
    SetWindowPos(screen.Window(), nullptr, 0, 0, 640, 480, SWP_NOZORDER);
    expectCentred({640, 480});
}

TEST_F(InstallScreenTest, MessagesTheScreenDoesNotHandleGoToTheController) {
    Bare(layout);
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Messages"));
    // The icon window's close request.
    PostMessageA(screen.Window(), WM_NULL, 2, 0);
    Pump();
    EXPECT_EQ(SendMessageA(screen.Window(), WM_USER + 7, 3, 4), 1234);
    ASSERT_EQ(controller.received.size(), 2u);
    EXPECT_EQ(controller.received[0].Message, static_cast<UINT>(WM_NULL));
    EXPECT_EQ(controller.received[0].WParam, 2u);
    EXPECT_EQ(controller.received[1].LParam, 4);

    EXPECT_EQ(SendMessageA(screen.Window(), WM_QUERYNEWPALETTE, 0, 0), 0);
    ValidateRect(screen.Window(), nullptr);
    SendMessageA(screen.Window(), WM_PALETTECHANGED, reinterpret_cast<WPARAM>(screen.Window()), 0);
    EXPECT_FALSE(GetUpdateRect(screen.Window(), nullptr, FALSE));
    SendMessageA(screen.Window(), WM_PALETTECHANGED, 0, 0);
    EXPECT_TRUE(GetUpdateRect(screen.Window(), nullptr, FALSE));
    // What the controller leaves alone gets the default handling.
    char caption[32] = {};
    SendMessageA(screen.Window(), WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
    EXPECT_STREQ(caption, "Messages");
}

TEST_F(InstallScreenTest, DestroyClosesEveryWindowOfTheScreen) {
    InstallScreen screen(layout, controller);
    ASSERT_TRUE(screen.Create("Gone"));
    ASSERT_TRUE(screen.Realise());
    const HWND window = screen.Window();
    const HWND gauge = test::OwnedDialog(window);
    const HWND exit = GetDlgItem(window, kExitCommand);
    ASSERT_TRUE(gauge && exit);
    screen.Destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(gauge));
    EXPECT_FALSE(IsWindow(exit));
    EXPECT_EQ(screen.Window(), nullptr);
    EXPECT_FALSE(screen.Realise());
}

TEST_F(InstallScreenTest, AGaugeWithoutItsTemplateFailsTheRealisation) {
    layout.ExitButton.Visible = 0;
    RecordingController noLibrary(GetModuleHandleA(nullptr));
    InstallScreen screen(layout, noLibrary);
    ASSERT_TRUE(screen.Create("No template"));
    EXPECT_FALSE(screen.Realise());
}

}  // namespace
}  // namespace aw
