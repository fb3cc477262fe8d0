// The panel and the title-bar display on real windows, checked by the pixels the screen
// shows; the tick drives the drawing as it does in the program.
#include <gtest/gtest.h>

#include <string>

#include "monitor/core/drawing/high_speed.h"
#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/drawing/win32/tests/panel_rig.h"
#include "monitor/core/drawing/win32/tray_icon_binding.h"
#include "monitor/core/sampling/sampling_signals.h"
#include "monitor/core/sampling/tests/fakes/sampling_fakes.h"
#include "monitor/forms/win32/application_window.h"
#include "monitor/forms/win32/form_window.h"
#include "monitor/tray/win32/tray_services.h"

namespace lw {
namespace {

using testing::ForegroundWindow;
using testing::PanelRig;
using testing::Pixels;

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(130, 130, 130);
constexpr COLORREF kGreen = RGB(0, 255, 0);

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

LineState AlternateLamps() {
    LineState line;
    line.CTS = 1;
    line.CD = 1;
    line.TD = 1;
    line.DTR = 1;
    line.RTS = 0;
    return line;
}

// The centre of a lamp of the panel's layout, in client coordinates.
POINT LampCentre(const LampLayout& layout, const LampSlot& slot, int clientWidth) {
    const LampPoint at = LampPosition(layout.geometry, slot);
    const int x = (clientWidth - layout.width) / 2 + at.x + layout.geometry.width / 2;
    const int y = at.y - 2 + layout.geometry.height / 2;
    return {x, y};
}

class PanelDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.settings.BackgroundColor = kSilver;
        rig.settings.LightColorOn = kRed;
        rig.settings.LightColorOff = kGrey;
    }

    // Checks every lamp of the panel's layout against the line.
    void ExpectLamps(const LineState& line, COLORREF on, const std::string& what) {
        const LampLayout& layout = PanelLayout(rig.settings.NewOrientation);
        const bool highSpeed = HighSpeedLampLit(rig.settings, rig.sampling);
        const Pixels shown = rig.Client();
        for (const LampSlot& slot : layout.lamps) {
            const POINT centre = LampCentre(layout, slot, shown.Width());
            const bool lit = LampLit(slot.lamp, line, highSpeed);
            const COLORREF colour = shown.At(centre.x, centre.y);
            const bool dark = slot.lamp == Lamp::Dark;
            SCOPED_TRACE(what + " column " + std::to_string(slot.column) + " row " +
                         std::to_string(slot.row) + " shows " + Hex(colour));
            if (dark) {
                EXPECT_NE(colour, on);
                EXPECT_NE(colour, kGrey);
                EXPECT_NE(colour, kSilver);
            } else {
                EXPECT_EQ(colour, lit ? on : kGrey);
            }
        }
    }

    PanelRig rig;
};

TEST_F(PanelDrawingTest, EachLayoutShowsItsLampsAtTheirPlacesInTheLampColours) {
    rig.sampling.Port.BaudRate = 57600;  // HS lit
    rig.Show();
    for (int layout = 1; layout <= 5; ++layout) {
        for (int look = 0; look <= 2; ++look) {
            rig.settings.NewOrientation = layout;
            rig.settings.LampLook = look;
            rig.connection.PanelDirty = true;
            rig.Tick(AlternateLamps());
            ExpectLamps(AlternateLamps(), kRed,
                        "layout " + std::to_string(layout) + " look " + std::to_string(look));
        }
    }
}

// The settings dialog sets a colour and marks the panel; the next tick draws it.
TEST_F(PanelDrawingTest, ANewLampColourShowsAtTheNextRedrawAndNotBefore) {
    rig.settings.NewOrientation = 2;
    rig.Show();
    rig.Tick(AlternateLamps());
    ExpectLamps(AlternateLamps(), kRed, "before");
    rig.settings.LightColorOn = kGreen;
    rig.connection.PanelDirty = true;
    testing::Settle();
    ExpectLamps(AlternateLamps(), kRed, "changed");
    rig.Tick(AlternateLamps());
    ExpectLamps(AlternateLamps(), kGreen, "redrawn");
}

TEST_F(PanelDrawingTest, CourierColumnsThreeTenAndElevenAreAlwaysDark) {
    rig.settings.NewOrientation = 5;
    rig.sampling.Port.BaudRate = 115200;
    rig.Show();
    LineState all;
    all.CTS = all.DSR = all.RI = all.CD = all.DTR = all.RTS = all.TD = all.RD = 1;
    rig.Tick(all);
    const Pixels shown = rig.Client();
    const LampLayout& courier = PanelLayout(5);
    for (const LampSlot& slot : courier.lamps) {
        const POINT centre = LampCentre(courier, slot, shown.Width());
        const bool dark = slot.column == 3 || slot.column == 10 || slot.column == 11;
        SCOPED_TRACE("column " + std::to_string(slot.column));
        if (dark) {
            EXPECT_NE(shown.At(centre.x, centre.y), kRed);
            EXPECT_NE(shown.At(centre.x, centre.y), kGrey);
        } else {
            EXPECT_EQ(shown.At(centre.x, centre.y), kRed);
        }
    }
}

// The nominal sizes of the layouts' bitmaps.
constexpr int kNominalWidth[] = {100, 183, 100, 123, 172};
constexpr int kNominalHeight[] = {70, 40, 25, 25, 25};

int TextHeightOfPanelFont() {
    const HDC screen = GetDC(nullptr);
    const HFONT font = CreateFontA(MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, 400,
                                   0, 0, 0, 1, 0, 0, 2, 34, "Arial");
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

TEST_F(PanelDrawingTest, WindowSizesFollowTheLayoutTheSystemAndTheTextLines) {
    rig.Show();
    const int cxMin = GetSystemMetrics(SM_CXMIN);
    const int frameX = GetSystemMetrics(SM_CXDLGFRAME);
    const int caption = GetSystemMetrics(SM_CYSIZE) + GetSystemMetrics(SM_CYDLGFRAME) + 1;
    // The small layouts show "LineWink" whole between the icon and the three buttons.
    const int wholeCaption = GdiPanelWindow(rig.window).CaptionTextWidth() +
                             4 * GetSystemMetrics(SM_CXSIZE) + 2 * GetSystemMetrics(SM_CXFRAME) + 6;
    for (int layout = 1; layout <= 5; ++layout) {
        rig.settings.NewOrientation = layout;
        rig.settings.WindowSizeX = 0;
        rig.connection.PanelDirty = true;
        rig.Tick(LineState{});
        RECT bounds{};
        GetWindowRect(rig.window, &bounds);
        SCOPED_TRACE("layout " + std::to_string(layout));
        const int least = std::max(kNominalWidth[layout - 1] + frameX, cxMin);
        EXPECT_EQ(bounds.right - bounds.left, layout >= 3 ? std::max(least, wholeCaption) : least);
        EXPECT_EQ(bounds.bottom - bounds.top, kNominalHeight[layout - 1] + caption);
        const bool sizeable = (GetWindowLongPtrA(rig.window, GWL_STYLE) & WS_THICKFRAME) != 0;
        EXPECT_EQ(sizeable, layout >= 3);
    }

    rig.settings.StatusInDisplay = 1;
    rig.settings.SPYSpeedInDisplay = 1;
    rig.settings.WindowSizeX = 240;
    rig.connection.PanelDirty = true;
    rig.Tick(LineState{});
    RECT bounds{};
    GetWindowRect(rig.window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 240);
    EXPECT_EQ(bounds.bottom - bounds.top, 25 + caption + 2 * (TextHeightOfPanelFont() + 1) + 1);
    // The etched line under the lamps, above the text.
    const Pixels shown = rig.Client();
    const int x = (shown.Width() - 172) / 2 + 40;
    EXPECT_EQ(shown.At(x, 20), RGB(128, 128, 128));
    EXPECT_EQ(shown.At(x, 21), RGB(255, 255, 255));

    // The user narrows the window: it keeps the layout's width.
    SetWindowPos(rig.window, nullptr, 0, 0, 130, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    testing::Settle();
    GetWindowRect(rig.window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, std::max(172 + frameX, cxMin));
    EXPECT_EQ(rig.settings.WindowSizeX, bounds.right - bounds.left);
}

// Where the strip's lamp in `column` shows on the editor, in window coordinates.
POINT TitleLampCentre(HWND window, int orientationTitle, int column) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = TitleStripWidth(orientationTitle);
    const int x = (bounds.right - bounds.left) - (width + 2) - 3 * GetSystemMetrics(SM_CXSIZE) -
                  GetSystemMetrics(SM_CXFRAME);
    const int y = GetSystemMetrics(SM_CYFRAME);
    return {x + 3 + column * 15 + 5, y + 1 + 3};
}

TEST_F(PanelDrawingTest, TheTitleStripGoesOnTheForegroundWindowButNotOnADialog) {
    rig.settings.Title = 1;
    rig.Show();
    LineState line;
    line.CTS = 1;  // column 0 of the small strip
    {
        const ForegroundWindow dialog(false);
        const Pixels before = dialog.Whole();
        rig.Tick(line);
        rig.drawing->DrawNow();
        const Pixels after = dialog.Whole();
        const POINT lamp = TitleLampCentre(dialog.window, 3, 0);
        EXPECT_EQ(after.At(lamp.x, lamp.y), before.At(lamp.x, lamp.y));
        EXPECT_EQ(rig.drawing->TitleBarWindow(), nullptr);
    }
    const ForegroundWindow editor(true);
    rig.drawing->DrawNow();
    const Pixels shown = editor.Whole();
    EXPECT_EQ(
        shown.At(TitleLampCentre(editor.window, 3, 0).x, TitleLampCentre(editor.window, 3, 0).y),
        kRed);
    EXPECT_EQ(
        shown.At(TitleLampCentre(editor.window, 3, 1).x, TitleLampCentre(editor.window, 3, 1).y),
        kGrey);
    EXPECT_EQ(rig.drawing->TitleBarWindow(), editor.window);
}

TEST_F(PanelDrawingTest, WithAutoSenseTheStripLeavesTheCaptionWhenTheCarrierDrops) {
    rig.settings.Title = 2;
    rig.settings.OrientationTitle = 4;
    rig.Show();
    const ForegroundWindow editor(true);
    LineState connected;
    connected.CD = 1;
    rig.Tick(connected);
    const POINT cd = TitleLampCentre(editor.window, 4, 2);
    EXPECT_EQ(editor.Whole().At(cd.x, cd.y), kRed);
    rig.Tick(LineState{});
    const COLORREF after = editor.Whole().At(cd.x, cd.y);
    EXPECT_NE(after, kRed);
    EXPECT_NE(after, kGrey);
    EXPECT_NE(after, kSilver);
}

bool Above(HWND window, HWND other) {
    for (HWND below = GetWindow(window, GW_HWNDNEXT); below != nullptr;
         below = GetWindow(below, GW_HWNDNEXT)) {
        if (below == other) {
            return true;
        }
    }
    return false;
}

TEST_F(PanelDrawingTest, AlwaysOnTopCoversAnotherTopmostWindowAgainAtTheNextDrawing) {
    rig.settings.OnTop = 1;
    rig.Show();
    const HWND other =
        CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    testing::Settle();
    ASSERT_TRUE(Above(other, rig.window));
    rig.drawing->DrawNow();
    EXPECT_TRUE(Above(rig.window, other));
    DestroyWindow(other);
}

TEST_F(PanelDrawingTest, OrdinaryTicksLoadNoBitmap) {
    rig.settings.NewOrientation = 4;
    rig.settings.Title = 1;
    rig.Show();
    const ForegroundWindow editor(true);
    rig.Tick(LineState{});
    const int loads = rig.drawing->Resources().Loads();
    EXPECT_GT(loads, 0);
    LineState line;
    for (int i = 0; i < 6; ++i) {
        line.RD = static_cast<std::uint8_t>(i % 2);
        line.TD = static_cast<std::uint8_t>(i % 3 == 0);
        rig.Tick(line);
    }
    EXPECT_EQ(rig.drawing->Resources().Loads(), loads);
    rig.connection.TitleDirty = true;
    rig.clock.now += kOneSecond;  // the once-a-second redraw
    rig.Tick(line);
    EXPECT_EQ(rig.drawing->Resources().Loads(), loads + 3);  // strip, lit and unlit lamps
}

// The tray icon component on a form of the program, as the main window owns it.
TEST(TrayIcon, HintAndIconWhileDisconnectedWithTheDriverWatchingNoPort) {
    testing::FakeSources sources;
    sources.driver.open = true;
    sources.driver.watched = "";
    SignalSampler sampler(sources.Sources());
    Win32Application app("LineWink");
    Win32Form form(app, {.caption = "LineWink"});
    Win32TrayServices services;
    auto& tray = Component::Create<TPGTrayIcon95>(form, services.Services());
    TrayIconBinding binding(tray);
    PanelRig rig(&sampler);
    rig.drawing->SetTrayIcon(&binding);
    rig.settings.ShowTrayIcon = 1;
    rig.settings.DefaultPort = 2;
    rig.Show();
    EXPECT_TRUE(tray.Active());
    EXPECT_EQ(tray.Hint(), " LineWink 2.2 - COM2");
    EXPECT_NE(binding.IconOf({1, false}).Handle(), 0u);
    EXPECT_EQ(tray.Icon().Handle(), binding.IconOf({1, false}).Handle());
    EXPECT_GT(rig.taskbarHidden, 0);

    rig.sampling.Current.CD = 1;
    rig.sampling.Current.RD = 1;
    rig.drawing->DrawNow();
    EXPECT_EQ(tray.Icon().Handle(), binding.IconOf({2, true}).Handle());
    EXPECT_EQ(tray.Hint().rfind("0 bytes received 0 bytes sent ", 0), 0u);
    rig.settings.ShowTrayIcon = 0;
    rig.drawing->DrawNow();
    EXPECT_FALSE(tray.Active());
}

}  // namespace
}  // namespace lw
