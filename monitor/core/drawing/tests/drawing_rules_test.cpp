// The drawing's rules: where each lamp sits, which picture it shows, recolouring, window
// sizes, text lines, the title-bar display's room and place, the tray hint, fonts, HS.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "monitor/core/drawing/font_request.h"
#include "monitor/core/drawing/high_speed.h"
#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/drawing/panel_size.h"
#include "monitor/core/drawing/panel_text.h"
#include "monitor/core/drawing/recolour.h"
#include "monitor/core/drawing/tests/fakes/drawing_fakes.h"
#include "monitor/core/drawing/title_display.h"
#include "monitor/core/drawing/tray_hint.h"

namespace lw {
namespace {

using testing::Win98Metrics;

struct PlacedName {
    Lamp lamp;
    int x;
    int y;
    friend bool operator==(const PlacedName&, const PlacedName&) = default;
};

std::vector<PlacedName> Placed(const LampLayout& layout) {
    std::vector<PlacedName> placed;
    for (const LampSlot& slot : layout.lamps) {
        const LampPoint at = LampPosition(layout.geometry, slot);
        placed.push_back({slot.lamp, at.x, at.y});
    }
    return placed;
}

using enum Lamp;

TEST(LampLayouts, EachPanelLayoutPlacesItsLampsInItsOrder) {
    EXPECT_EQ(
        Placed(PanelLayout(1)),
        (std::vector<PlacedName>{
            {CTS, 8, 2}, {RI, 39, 2}, {CD, 70, 2}, {DSR, 8, 34}, {TD, 39, 34}, {RD, 70, 34}}));
    EXPECT_EQ(
        Placed(PanelLayout(2)),
        (std::vector<PlacedName>{
            {CTS, 3, 2}, {RI, 34, 2}, {CD, 65, 2}, {DSR, 96, 2}, {TD, 127, 2}, {RD, 158, 2}}));
    EXPECT_EQ(Placed(PanelLayout(3)),
              (std::vector<PlacedName>{
                  {CTS, 6, 2}, {RI, 22, 2}, {CD, 38, 2}, {DSR, 54, 2}, {TD, 70, 2}, {RD, 86, 2}}));
    EXPECT_EQ(Placed(PanelLayout(4)), (std::vector<PlacedName>{{HS, 3, 2},
                                                               {RI, 16, 2},
                                                               {CD, 29, 2},
                                                               {RD, 42, 2},
                                                               {TD, 55, 2},
                                                               {DTR, 68, 2},
                                                               {DSR, 81, 2},
                                                               {RTS, 94, 2},
                                                               {CTS, 107, 2}}));
    EXPECT_EQ(Placed(PanelLayout(5)), (std::vector<PlacedName>{{HS, 8, 2},
                                                               {RI, 21, 2},
                                                               {CD, 34, 2},
                                                               {Dark, 47, 2},
                                                               {RD, 60, 2},
                                                               {TD, 73, 2},
                                                               {DTR, 86, 2},
                                                               {DSR, 99, 2},
                                                               {RTS, 112, 2},
                                                               {CTS, 125, 2},
                                                               {Dark, 138, 2},
                                                               {Dark, 151, 2}}));
}

TEST(LampLayouts, TitleStripsPlaceTheirLampsInARow) {
    EXPECT_EQ(Placed(TitleLayout(3)).at(5), (PlacedName{RD, 78, 1}));
    EXPECT_EQ(Placed(TitleLayout(4)).at(8), (PlacedName{CTS, 123, 1}));
    EXPECT_EQ(Placed(TitleLayout(5)).at(10), (PlacedName{Dark, 153, 1}));
    EXPECT_EQ(Placed(TitleLayout(6)), (std::vector<PlacedName>{{TD, 3, 1}, {RD, 18, 1}}));
    EXPECT_EQ(TitleStripWidth(3), 94);
    EXPECT_EQ(TitleStripWidth(4), 138);
    EXPECT_EQ(TitleStripWidth(5), 185);
    EXPECT_EQ(TitleStripWidth(6), 33);
}

TEST(LampLayouts, LayoutsOutOfRangeShowTheSmallHorizontalOne) {
    EXPECT_EQ(PanelLayoutNumber(-4), 4);
    EXPECT_EQ(PanelLayoutNumber(7), 3);
    EXPECT_EQ(PanelLayoutNumber(0), 3);
    EXPECT_EQ(PanelLayoutNumber(INT_MIN), 3);
    EXPECT_STREQ(PanelLayout(-5).background, "COURIER");
    EXPECT_EQ(TitleLayoutNumber(2), 3);
    EXPECT_EQ(TitleLayoutNumber(7), 3);
    EXPECT_STREQ(TitleLayout(6).background, "TITLE_SMALL");
}

TEST(LampLayouts, CourierColumnsThreeTenAndElevenShowTheDarkPictureWhenUnlit) {
    const LampLayout& courier = PanelLayout(5);
    std::vector<int> dark;
    for (int column = 0; column < 12; ++column) {
        if (ChooseLampImage(courier, column, false) == LampImage::NoLight) {
            dark.push_back(column);
        }
    }
    EXPECT_EQ(dark, (std::vector<int>{3, 10, 11}));
    EXPECT_EQ(ChooseLampImage(TitleLayout(5), 10, false), LampImage::NoLight);
    EXPECT_EQ(ChooseLampImage(PanelLayout(4), 3, false), LampImage::Off);
    EXPECT_EQ(ChooseLampImage(courier, 4, true), LampImage::On);
}

TEST(LampLayouts, DarkPositionsNeverLightAndHsFollowsItsOwnRule) {
    LineState all;
    all.CTS = all.DSR = all.RI = all.CD = all.DTR = all.RTS = all.TD = all.RD = all.HS = 1;
    EXPECT_FALSE(LampLit(Dark, all, true));
    EXPECT_FALSE(LampLit(HS, all, false));
    EXPECT_TRUE(LampLit(HS, LineState{}, true));
    EXPECT_TRUE(LampLit(DTR, all, false));
}

TEST(LampLayouts, BitmapNamesFollowSetPictureAndLook) {
    EXPECT_EQ(LampBitmapName(LampSet::Large, LampImage::On, 0), "LIGHTON_LARGE_D");
    EXPECT_EQ(LampBitmapName(LampSet::Large, LampImage::Off, 2), "LIGHTOFF_LARGE_SQ");
    EXPECT_EQ(LampBitmapName(LampSet::Small, LampImage::Off, 1), "LIGHTOFF_R");
    EXPECT_EQ(LampBitmapName(LampSet::Modem, LampImage::NoLight, 2), "NOLIGHT_Modem_SQ");
    EXPECT_EQ(LampBitmapName(LampSet::Title, LampImage::On, 0), "LIGHTON_Title_F");
    EXPECT_EQ(LampBitmapName(LampSet::Title, LampImage::NoLight, 1), "NOLIGHT_Title_R");
    // Looks out of range show the defaults.
    EXPECT_EQ(LampBitmapName(LampSet::Modem, LampImage::On, 9), "LIGHTON_Modem_R");
    EXPECT_EQ(LampBitmapName(LampSet::Title, LampImage::On, 2), "LIGHTON_Title_F");
}

TEST(Recolour, BackgroundKeysAreTheMidGreysAndTheDarkBlues) {
    const auto role = [](int r, int g, int b) {
        return ClassifyPixel(BitmapKind::Background,
                             {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)});
    };
    EXPECT_EQ(role(151, 151, 151), PixelRole::Background);
    EXPECT_EQ(role(239, 200, 160), PixelRole::Background);
    EXPECT_EQ(role(150, 192, 192), PixelRole::Fixed);
    EXPECT_EQ(role(192, 240, 192), PixelRole::Fixed);
    EXPECT_EQ(role(0, 0, 160), PixelRole::Text);
    EXPECT_EQ(role(99, 99, 129), PixelRole::Text);
    EXPECT_EQ(role(0, 0, 128), PixelRole::Fixed);
    EXPECT_EQ(role(100, 0, 200), PixelRole::Fixed);
    EXPECT_EQ(role(255, 255, 255), PixelRole::Fixed);
    EXPECT_EQ(role(128, 128, 128), PixelRole::Fixed);
}

TEST(Recolour, LampKeysAreRedGreenAndBlue) {
    const auto role = [](int r, int g, int b) {
        return ClassifyPixel(BitmapKind::Lamp,
                             {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                              static_cast<std::uint8_t>(b)});
    };
    EXPECT_EQ(role(128, 99, 99), PixelRole::LightOn);
    EXPECT_EQ(role(127, 0, 0), PixelRole::Fixed);
    EXPECT_EQ(role(0, 0, 128), PixelRole::Background);
    EXPECT_EQ(role(0, 128, 0), PixelRole::LightOff);
    EXPECT_EQ(role(0, 128, 100), PixelRole::Fixed);
    EXPECT_EQ(role(192, 192, 192), PixelRole::Fixed);
}

TEST(Recolour, KeyPixelsTakeTheUsersColoursAndTheRestStays) {
    // Pixels as a 32-bit bitmap holds them (0x00RRGGBB); colours as settings hold them
    // (0x00BBGGRR).
    std::vector<DibPixel> lamp = {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFFFF, 0x202020};
    const KeyColours colours{0x123456, 0, 0x00FF00, 0x828282};
    EXPECT_EQ(Recolour(lamp, BitmapKind::Lamp, colours), 3);
    EXPECT_EQ(lamp, (std::vector<DibPixel>{0x00FF00, 0x563412, 0x828282, 0xFFFFFF, 0x202020}));

    std::vector<DibPixel> background = {0xC0C0C0, 0x0000A0, 0x808080};
    Recolour(background, BitmapKind::Background, {0xFFFFFF, 0x0000FF, 0, 0});
    EXPECT_EQ(background, (std::vector<DibPixel>{0xFFFFFF, 0xFF0000, 0x808080}));
}

TEST(Recolour, TheSeparatorIsRows22And23AndNeverWritesPastTheBitmap) {
    std::vector<DibPixel> pixels(3 * 25, 0xC0C0C0);
    EtchSeparator(pixels, 3);
    EXPECT_EQ(pixels[21 * 3], 0xC0C0C0u);
    EXPECT_EQ(pixels[22 * 3 + 2], 0x808080u);
    EXPECT_EQ(pixels[23 * 3], 0xFFFFFFu);
    EXPECT_EQ(pixels[24 * 3], 0xC0C0C0u);
    std::vector<DibPixel> shortBitmap(3 * 23, 0);
    EtchSeparator(shortBitmap, 3);
    EXPECT_EQ(shortBitmap[22 * 3], 0x808080u);
}

TEST(PanelSize, LargeLayoutsHaveTheirOwnWidthAndASingleBorder) {
    MonitorSettings s;
    s.NewOrientation = -1;
    s.WindowSizeX = 400;
    PanelSize size = PanelWindowSize(s, Win98Metrics(), 0, 16);
    EXPECT_EQ(size.border, PanelBorder::Single);
    EXPECT_EQ(size.height, 70 + 18 + 3 + 1);
    EXPECT_EQ(size.width, 112);  // 100 + 3, raised to the system's least
    s.NewOrientation = 2;
    s.StatusInDisplay = 1;  // no text lines in the large layouts
    size = PanelWindowSize(s, Win98Metrics(), ShownTextLines(s, true), 16);
    EXPECT_EQ(size.width, 186);
    EXPECT_EQ(size.height, 40 + 18 + 3 + 1);
}

TEST(PanelSize, SmallLayoutsKeepTheUsersWidthButNeverCutTheBitmap) {
    MonitorSettings s;
    s.NewOrientation = 5;
    s.WindowSizeX = 0;
    EXPECT_EQ(PanelWindowSize(s, Win98Metrics(), 0, 16).width, 175);
    s.WindowSizeX = 300;
    const PanelSize size = PanelWindowSize(s, Win98Metrics(), 0, 16);
    EXPECT_EQ(size.width, 300);
    EXPECT_EQ(size.minWidth, 175);
    EXPECT_EQ(size.border, PanelBorder::Sizeable);
    EXPECT_EQ(ResizedWidth(150, size.minWidth, Win98Metrics()), 175);
    EXPECT_EQ(ResizedWidth(90, 0, Win98Metrics()), 112);
    EXPECT_EQ(ResizedWidth(260, size.minWidth, Win98Metrics()), 260);
}

// At the width the program gives it, a small panel shows its lines and caption whole.
TEST(PanelSize, SmallLayoutsAreWideEnoughForTheirTextLinesAndCaption) {
    MonitorSettings s;
    s.NewOrientation = 3;
    const SystemMetrics m = Win98Metrics();
    EXPECT_EQ(PanelWindowSize(s, m, 2, 16, {120, 0}).width, 4 + 120 + 4 + 2 * 4);
    EXPECT_EQ(PanelWindowSize(s, m, 0, 16, {0, 50}).width, 18 + 50 + 3 * 18 + 6 + 2 * 4);
    s.WindowSizeX = 300;
    EXPECT_EQ(PanelWindowSize(s, m, 2, 16, {120, 50}).width, 300);
    s.WindowSizeX = 0;
    s.NoTitleBar = 1;
    EXPECT_EQ(PanelWindowSize(s, m, 0, 16, {0, 50}).width, 112);
    s.NewOrientation = 1;  // a fixed layout keeps its size
    s.NoTitleBar = 0;
    EXPECT_EQ(PanelWindowSize(s, m, 0, 16, {0, 200}).width, 112);
}

TEST(PanelSize, TextLinesAndTheMissingCaptionChangeTheHeight) {
    MonitorSettings s;
    s.NewOrientation = 3;
    s.StatusInDisplay = 1;
    s.DisplayTotalConnectTimeInDisplay = 1;
    s.SPYSpeedInDisplay = 1;
    EXPECT_EQ(ShownTextLines(s, false), 2);
    EXPECT_EQ(ShownTextLines(s, true), 3);
    EXPECT_EQ(PanelWindowSize(s, Win98Metrics(), 3, 16).height, 25 + 18 + 3 + 1 + 3 * 17 + 1);
    s.NoTitleBar = 1;
    EXPECT_EQ(PanelWindowSize(s, Win98Metrics(), 0, 16).height, 25 + 3 + 1);
}

TEST(PanelSize, InitialBoundsAndTheCopyOfTheBitmap) {
    MonitorSettings s;
    s.NewOrientation = 4;
    s.WindowPositionX = 30;
    s.WindowPositionY = 40;
    s.WindowSizeX = 250;
    PanelBounds bounds = InitialPanelBounds(s);
    EXPECT_EQ(bounds.left, 30);
    EXPECT_EQ(bounds.width, 250);
    EXPECT_EQ(bounds.height, 10);
    EXPECT_EQ(bounds.border, PanelBorder::Sizeable);
    s.NewOrientation = -2;
    EXPECT_EQ(InitialPanelBounds(s).width, 100);

    const PanelCopy wide = PanelCopyArea(4, 242, 250, Win98Metrics());
    EXPECT_EQ(wide.x, 59);
    EXPECT_EQ(wide.y, -2);
    EXPECT_EQ(wide.width, 123);
    EXPECT_EQ(wide.height, 25);
    EXPECT_EQ(PanelCopyArea(5, 167, 175, Win98Metrics()).x, -2);
}

TEST(PanelText, LinesInOrderWithTheSessionAndTotalTimes) {
    MonitorSettings s;
    s.NewOrientation = 5;
    s.DefaultPort = 2;
    s.StatusInDisplay = 1;
    s.DisplayTotalConnectTimeInDisplay = 1;
    s.NegotiationDelay = 20;
    s.TotalConnectNew = 1.0 / 24;  // an hour
    s.SPYSpeedInDisplay = 1;
    SamplingState sampling;
    ConnectionState connection;
    connection.PortStatus = "8N1 57600";
    connection.SessionStart = 100.0;
    connection.TxWindowShown = 1234;
    connection.RxWindowShown = 56;
    const DayCount now = 100.0 + 60 * kOneSecond;

    std::vector<PanelTextLine> lines = PanelTextLines(s, sampling, connection, now);
    ASSERT_EQ(lines.size(), 2u);  // no connect time while the carrier is down
    EXPECT_EQ(lines[0].text.rfind("COM 2 8N1 57600 ", 0), 0u);
    EXPECT_EQ(lines[1].text.rfind("TD: 1234 ", 0), 0u);
    EXPECT_EQ(lines[1].second.rfind("RD: 56 ", 0), 0u);

    sampling.Current.CD = 1;
    lines = PanelTextLines(s, sampling, connection, now);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text.rfind("Connect time: 1:01:20 ", 0), 0u);

    s.RDTDSpeedUpdate = 0;  // the line keeps its place, empty
    EXPECT_EQ(PanelTextLines(s, sampling, connection, now).back(), PanelTextLine{});
    s.NewOrientation = 1;
    EXPECT_TRUE(PanelTextLines(s, sampling, connection, now).empty());
}

CaptionWindowInfo OrdinaryWindow(int width) {
    CaptionWindowInfo w;
    w.width = width;
    w.caption = w.sysMenu = w.minimizeBox = w.maximizeBox = w.sizeable = true;
    return w;
}

TEST(TitleDisplay, ShownForTitleOneAlwaysAndForTitleTwoOrTheTimesWhileConnected) {
    MonitorSettings s;
    EXPECT_FALSE(TitleDisplayActive(s, true));
    s.Title = 2;
    EXPECT_FALSE(TitleDisplayActive(s, false));
    EXPECT_TRUE(TitleStripShown(s, true));
    s.Title = 0;
    s.DisplayTotalConnectTimeInTitlebar = 1;
    EXPECT_FALSE(TitleDisplayActive(s, false));
    EXPECT_TRUE(TitleDisplayActive(s, true));
    EXPECT_FALSE(TitleStripShown(s, true));
    EXPECT_TRUE(TitleTimeShown(s, true));
    s.Title = 1;
    EXPECT_TRUE(TitleStripShown(s, false));
    EXPECT_FALSE(TitleTimeShown(s, false));
}

TEST(TitleDisplay, RoomIsWhatTheButtonsAndFrameLeave) {
    const SystemMetrics m = Win98Metrics();
    // 94 + 18 (system menu) + 36 (minimise and maximise) + 18 (close) + 4 (frame) = 170.
    EXPECT_FALSE(TitleDisplayFits(OrdinaryWindow(170), 94, m));
    EXPECT_TRUE(TitleDisplayFits(OrdinaryWindow(171), 94, m));
    SystemMetrics large = m;
    large.cxSize = 21;
    EXPECT_FALSE(TitleDisplayFits(OrdinaryWindow(94 + 21 * 4 + 4 + 3), 94, large));
    EXPECT_TRUE(TitleDisplayFits(OrdinaryWindow(94 + 21 * 4 + 4 + 4), 94, large));
}

TEST(TitleDisplay, OnlyOrdinaryCaptionedWindowsWithAMinimiseBoxCarryIt) {
    const SystemMetrics m = Win98Metrics();
    const auto fits = [&](auto change) {
        CaptionWindowInfo w = OrdinaryWindow(600);
        change(w);
        return TitleDisplayFits(w, 94, m);
    };
    EXPECT_TRUE(fits([](CaptionWindowInfo&) {}));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.minimizeBox = false; }));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.caption = false; }));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.popup = true; }));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.child = true; }));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.minimized = true; }));
    EXPECT_FALSE(fits([](CaptionWindowInfo& w) { w.monitorWindow = true; }));
}

TEST(TitleDisplay, PositionFromTheRightEdgeAndTheFrame) {
    const SystemMetrics m = Win98Metrics();
    MonitorSettings s;
    EXPECT_EQ(TitleDisplayPosition(OrdinaryWindow(400), 94, m, s),
              (TitlePosition{400 - 96 - 54 - 4, 4}));
    CaptionWindowInfo fixed = OrdinaryWindow(400);
    fixed.sizeable = false;
    fixed.maximizeBox = false;
    s.TitleBarOffset = -10;
    s.TitleBarOffsetT = 2;
    EXPECT_EQ(TitleDisplayPosition(fixed, 33, m, s), (TitlePosition{-10 + 400 - 35 - 54 - 3, 3}));
}

// The three caption buttons of a sizeable window sit left of its frame, each cxSize wide;
// Windows 95/98 leave 2 pixels between the close button and the others.
TEST(TitleDisplay, TheStripStaysClearOfTheCaptionButtons) {
    SystemMetrics wide = Win98Metrics();
    wide.cxSize = 24;
    wide.cxFrame = 8;
    for (const SystemMetrics& m : {Win98Metrics(), wide}) {
        for (int strip : {94, 138, 185, 33}) {
            const TitlePosition at = TitleDisplayPosition(OrdinaryWindow(500), strip, m, {});
            EXPECT_LE(at.x + strip, 500 - m.cxFrame - 3 * m.cxSize) << strip;
        }
    }
}

TEST(TrayHint, DisconnectedWithNothingToSayShowsTheProgramAndPort) {
    MonitorSettings s;
    s.DefaultPort = 3;
    SamplingState sampling;
    EXPECT_EQ(TrayHint(s, sampling, ""), " LineWink 2.2 - COM3");
    EXPECT_EQ(TrayHint(s, sampling, "8N1 57600"), " 8N1 57600 - COM3");
    sampling.Current.CD = 1;
    sampling.LastReceived = 1200;
    sampling.LastTransmitted = 34;
    sampling.SpeedText = "@ 28800 bps";
    EXPECT_EQ(TrayHint(s, sampling, "ignored"),
              "1200 bytes received 34 bytes sent @ 28800 bps - COM3");

    // A connection name handed over by another program cannot lengthen it without bound.
    sampling.LastReceived = sampling.LastTransmitted = -2147483647 - 1;
    sampling.SpeedText = std::string(400, 'n');
    const std::string hint = TrayHint(s, sampling, "");
    EXPECT_LE(hint.size(), 255u);
    EXPECT_TRUE(hint.ends_with(std::string(20, 'n') + " - COM3")) << hint;
}

TEST(TrayHint, PictureFollowsTrafficAndCarrier) {
    LineState line;
    EXPECT_EQ(TrayIconName(TrayPictureFor(line)), "MODEM1_NC");
    line.RD = 1;
    EXPECT_EQ(TrayIconName(TrayPictureFor(line)), "MODEM2_NC");
    line.CD = 1;
    EXPECT_EQ(TrayIconName(TrayPictureFor(line)), "MODEM2");
    line.RD = 0;
    line.TD = 1;
    EXPECT_EQ(TrayIconName(TrayPictureFor(line)), "MODEM3");
    line.RD = 1;
    EXPECT_EQ(TrayIconName(TrayPictureFor(line)), "MODEM4");
}

TEST(FontRequest, PointsBecomeACellHeightAndStylesTheFields) {
    FontSpec font{"Arial", 10, true, false, true, false};
    FontRequest request = FontRequestFor(font, 96);
    EXPECT_EQ(request.height, 13);  // 10 * 96 / 72 = 13.33
    EXPECT_EQ(request.weight, 700);
    EXPECT_TRUE(request.underline);
    EXPECT_FALSE(request.italic);
    EXPECT_EQ(request.face, "Arial");
    font.size = -11;
    font.bold = false;
    request = FontRequestFor(font, 120);
    EXPECT_EQ(request.height, -11);
    EXPECT_EQ(request.weight, 400);
    EXPECT_EQ(FontRequestFor({"Arial", 9}, 120).height, 15);  // 15.0
    EXPECT_EQ(FontRequestFor({"Arial", 3}, 60).height, 3);    // 2.5 rounds up
}

TEST(FontRequest, MulDivRoundsHalvesAwayFromZeroAndRefusesOverflow) {
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(5, 1, -2), -3);
    EXPECT_EQ(MulDivRounded(7, 1, 3), 2);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(INT_MAX, 4, 1), -1);
}

TEST(HighSpeed, ConnectSpeedWhenReportedElseThePortsEffectiveRate) {
    MonitorSettings s;
    SamplingState sampling;
    sampling.Port.BaudRate = 57600;
    EXPECT_FALSE(HighSpeedLampLit(s, sampling));  // no port set
    s.DefaultPort = 1;
    EXPECT_TRUE(HighSpeedLampLit(s, sampling));
    sampling.Port.BaudRate = 9600;
    EXPECT_FALSE(HighSpeedLampLit(s, sampling));
    sampling.Port.BaudRate = 115200;
    sampling.Current.ConnectSpeed = 9600;
    EXPECT_FALSE(HighSpeedLampLit(s, sampling));
    sampling.Current.ConnectSpeed = 14400;
    EXPECT_TRUE(HighSpeedLampLit(s, sampling));
    EXPECT_EQ(EffectiveBaudRate(14400), 14400u);
    EXPECT_EQ(EffectiveBaudRate(10000), 10473u);  // divisor 11
    EXPECT_EQ(EffectiveBaudRate(200000), 0u);
    EXPECT_EQ(EffectiveBaudRate(0), 0u);
}

}  // namespace
}  // namespace lw
