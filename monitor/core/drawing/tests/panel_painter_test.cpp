// The panel painter against recording stand-ins: what is loaded when, which lamp pictures
// land where, the title-bar display's windows and times, the tray icon and the main window's
// part in a drawing.
#include <gtest/gtest.h>

#include <algorithm>

#include "monitor/core/drawing/panel_painter.h"
#include "monitor/core/drawing/tests/fakes/drawing_fakes.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"

namespace lw {
namespace {

using testing::Copy;

constexpr CaptionWindowId kEditor = 0x100;
constexpr CaptionWindowId kDialog = 0x200;
constexpr CaptionWindowId kOther = 0x300;

CaptionWindowInfo Captioned(int width, bool minimizeBox = true) {
    CaptionWindowInfo w;
    w.width = width;
    w.caption = w.sysMenu = w.maximizeBox = w.sizeable = true;
    w.minimizeBox = minimizeBox;
    return w;
}

class PanelPainterTest : public ::testing::Test {
  protected:
    PanelPainterTest() {
        settings.DefaultPort = 1;
        settings.NewOrientation = 3;
        captions.windows[kEditor] = Captioned(500);
        captions.windows[kDialog] = Captioned(300, false);
        captions.windows[kOther] = Captioned(400);
        painter.SetTrayIcon(&tray);
    }

    void Draw() { painter.DrawPanel(surface); }
    std::vector<std::string> LoadsOf(auto draw) {
        resources.loads.clear();
        draw();
        return resources.loads;
    }

    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    testing::FakeResources resources;
    testing::FakeWindow window;
    testing::FakeCaptions captions;
    testing::FakeHost host;
    testing::ScriptedSampler sampler;
    testing::FakeClock clock;
    testing::FakeSurface surface;
    testing::FakeTray tray;
    PanelPainter painter{{settings, sampling, connection},
                         {resources, window, captions, host, sampler, clock}};
};

TEST_F(PanelPainterTest, BitmapsAreLoadedAtTheFirstDrawingAndOnTheDirtyFlagsOnly) {
    settings.Title = 1;
    captions.foreground = kEditor;
    EXPECT_EQ(LoadsOf([&] { Draw(); }),
              (std::vector<std::string>{"TITLE2", "LIGHTON_Title_F", "LIGHTOFF_Title_F",
                                        "HORIZ_SMALL", "LIGHTON_R", "LIGHTOFF_R"}));
    EXPECT_FALSE(connection.PanelDirty);
    EXPECT_FALSE(connection.TitleDirty);
    EXPECT_FALSE(connection.FirstDrawPending);

    sampling.Current.RD = 1;  // an ordinary tick
    EXPECT_TRUE(LoadsOf([&] { Draw(); }).empty());

    connection.PanelDirty = true;
    EXPECT_EQ(LoadsOf([&] { Draw(); }),
              (std::vector<std::string>{"HORIZ_SMALL", "LIGHTON_R", "LIGHTOFF_R"}));
    connection.TitleDirty = true;
    EXPECT_EQ(LoadsOf([&] { Draw(); }),
              (std::vector<std::string>{"TITLE2", "LIGHTON_Title_F", "LIGHTOFF_Title_F"}));
}

TEST_F(PanelPainterTest, ANewColourIsLoadedWithTheNextDirtyDrawing) {
    Draw();
    settings.LightColorOn = 0x00FF00;
    connection.PanelDirty = true;
    Draw();
    const auto& last = resources.recolourings;
    ASSERT_EQ(last.size(), 6u);
    EXPECT_EQ(last[4].kind, BitmapKind::Lamp);
    EXPECT_EQ(last[4].colours.lightOn, 0x00FF00u);
    EXPECT_EQ(last[3].kind, BitmapKind::Background);
}

TEST_F(PanelPainterTest, ChangedLayoutOrLookLoadsItsBitmapsEvenWithoutTheFlag) {
    Draw();
    settings.NewOrientation = 4;
    settings.LampLook = 2;
    EXPECT_EQ(LoadsOf([&] { Draw(); }),
              (std::vector<std::string>{"HORIZ_MODEM", "LIGHTON_Modem_SQ", "LIGHTOFF_Modem_SQ"}));
}

TEST_F(PanelPainterTest, LampsLandAtTheirPlacesInTheirPicturesClippedToTheCell) {
    settings.NewOrientation = 5;
    settings.LampLook = 2;
    sampling.Current.CD = 1;
    sampling.Current.CTS = 1;
    Draw();
    ASSERT_EQ(surface.lamps.size(), 12u);
    EXPECT_EQ(surface.lamps[1], (Copy{"LIGHTOFF_Modem_SQ", 21, 2, 10, 11}));
    EXPECT_EQ(surface.lamps[2], (Copy{"LIGHTON_Modem_SQ", 34, 2, 10, 11}));
    EXPECT_EQ(surface.lamps[3], (Copy{"NOLIGHT_Modem_SQ", 47, 2, 10, 11}));
    EXPECT_EQ(surface.lamps[9], (Copy{"LIGHTON_Modem_SQ", 125, 2, 10, 11}));
    EXPECT_EQ(surface.lamps[10].picture, "NOLIGHT_Modem_SQ");
    EXPECT_EQ(surface.lamps[11].picture, "NOLIGHT_Modem_SQ");

    settings.NewOrientation = 3;
    Draw();
    EXPECT_EQ(surface.lamps[0], (Copy{"LIGHTON_SQ", 6, 2, 10, 10}));
}

TEST_F(PanelPainterTest, HsLampShowsTheConnectSpeedOrThePortRate) {
    settings.NewOrientation = 4;
    sampling.Port.BaudRate = 57600;
    Draw();
    EXPECT_EQ(surface.lamps[0].picture, "LIGHTON_Modem_R");
    sampling.Current.ConnectSpeed = 2400;
    Draw();
    EXPECT_EQ(surface.lamps[0].picture, "LIGHTOFF_Modem_R");
}

TEST_F(PanelPainterTest, TheWindowIsSizedAndTheBitmapCopiedCentred) {
    settings.NewOrientation = 4;
    settings.WindowSizeX = 200;
    settings.StatusInDisplay = 1;
    connection.PortStatus = "8N1 57600";
    surface.clientWidth = 192;
    Draw();
    EXPECT_EQ(window.width, 200);
    EXPECT_EQ(window.height, 25 + 18 + 3 + 1 + 17 + 1);
    EXPECT_EQ(window.border, PanelBorder::Sizeable);
    EXPECT_EQ(painter.PanelHeight(), window.height);
    EXPECT_EQ(surface.copies.back(), (Copy{"HORIZ_MODEM", 34, -2, 123, 25}));
    ASSERT_FALSE(surface.texts.empty());
    EXPECT_EQ(surface.texts[0].x, 4);
    EXPECT_EQ(surface.texts[0].y, 21);
    EXPECT_EQ(surface.texts[0].picture.rfind("COM 1 8N1 57600", 0), 0u);
    EXPECT_TRUE(resources.recolourings[0].etchedSeparator);
    EXPECT_EQ(surface.fontHeight, 13);

    settings.StatusInDisplay = 0;  // the separator goes with the last line
    EXPECT_EQ(LoadsOf([&] { Draw(); }), (std::vector<std::string>{"HORIZ_MODEM"}));
    EXPECT_FALSE(resources.recolourings.back().etchedSeparator);
}

TEST_F(PanelPainterTest, ResizingKeepsTheLayoutsWidthAndThePanelHeight) {
    painter.OnResize();
    EXPECT_EQ(window.resizes, 0);  // nothing to size before the first drawing
    settings.NewOrientation = 5;
    Draw();
    window.width = 120;
    painter.OnResize();
    EXPECT_EQ(window.width, 175);
    EXPECT_EQ(window.height, painter.PanelHeight());
    EXPECT_EQ(settings.WindowSizeX, 175);
    EXPECT_EQ(window.invalidations, 1);
    window.width = 260;
    painter.OnResize();
    EXPECT_EQ(settings.WindowSizeX, 260);
}

TEST_F(PanelPainterTest, OnTopFollowsTheSettingUnlessTheDialogIsOpen) {
    settings.OnTop = 2;
    Draw();
    EXPECT_FALSE(window.topmost);
    connection.BusyOnTop = true;
    Draw();
    EXPECT_TRUE(window.topmost);
    host.dialogOpen = true;
    Draw();
    EXPECT_FALSE(window.topmost);
}

TEST_F(PanelPainterTest, MinimisedLayoutMinimisesUnlessABoxIsOpenAndDrawsNoPanel) {
    settings.NewOrientation = -3;
    host.modalOpen = true;
    Draw();
    EXPECT_FALSE(host.minimized);
    host.modalOpen = false;
    surface.copies.clear();
    Draw();
    EXPECT_TRUE(host.minimized);
    EXPECT_TRUE(surface.copies.empty());
}

TEST_F(PanelPainterTest, ActivityRestoresTheMinimisedWindowWhenAsked) {
    settings.AutoMaximize = 1;
    host.minimized = true;
    connection.RestoreRequest = true;
    host.dialogOpen = true;
    Draw();
    EXPECT_TRUE(host.minimized);
    host.dialogOpen = false;
    Draw();
    EXPECT_FALSE(host.minimized);
    EXPECT_FALSE(surface.copies.empty());
}

TEST_F(PanelPainterTest, TrayModeHidesTheTaskbarWindowAndTheDialogSeesTheSessionTotals) {
    settings.ShowTrayIcon = 1;
    sampling.Current.CD = 1;
    connection.SessionTransmitted = 10;
    connection.SessionReceived = 20;
    Draw();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hide taskbar", "traffic 10 20"}));
    host.calls.clear();
    sampling.Current.CD = 0;
    host.modalOpen = true;
    Draw();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hide taskbar"}));
    host.modalOpen = false;
    host.calls.clear();
    Draw();
    EXPECT_EQ(host.calls.back(), "no traffic");
}

TEST_F(PanelPainterTest, TrayIconGetsStateHintAndPicture) {
    settings.ShowTrayIcon = 1;
    sampler.status = "";
    Draw();
    EXPECT_TRUE(tray.active);
    EXPECT_EQ(tray.hint, " LineWink 2.2 - COM1");
    EXPECT_EQ(tray.picture, (TrayPicture{1, false}));
    sampling.Current.CD = 1;
    sampling.Current.TD = 1;
    sampling.SpeedText = "@ 33600 bps";
    Draw();
    EXPECT_EQ(tray.hint, "0 bytes received 0 bytes sent @ 33600 bps - COM1");
    EXPECT_EQ(tray.picture, (TrayPicture{3, true}));
    settings.ShowTrayIcon = 0;
    Draw();
    EXPECT_FALSE(tray.active);
    settings.ShowTrayIcon = 1;
    settings.DefaultPort = 0;
    tray.hint.clear();
    Draw();
    EXPECT_TRUE(tray.hint.empty());
}

TEST_F(PanelPainterTest, TitleStripGoesLeftOfTheButtonsOfTheForegroundWindow) {
    settings.Title = 1;
    settings.OrientationTitle = 5;
    sampling.Current.RI = 1;
    captions.foreground = kEditor;
    Draw();
    ASSERT_EQ(captions.strips.size(), 1u);
    EXPECT_EQ(captions.strips[0], (Copy{"TITLE22", 500 - 187 - 54 - 4, 4, 185, 18}));
    EXPECT_EQ(captions.lampsOnStrip[1], (Copy{"LIGHTON_Title_F", 18, 1, 10, 7}));
    EXPECT_EQ(captions.lampsOnStrip[3], (Copy{"NOLIGHT_Title_F", 48, 1, 10, 7}));
    EXPECT_EQ(captions.lampsOnStrip[4], (Copy{"LIGHTOFF_Title_F", 63, 1, 10, 7}));
    EXPECT_EQ(painter.TitleBarWindow(), kEditor);
}

TEST_F(PanelPainterTest, NoStripOnAWindowWithoutMinimiseBoxAndTheOldCaptionIsCleaned) {
    settings.Title = 1;
    captions.foreground = kEditor;
    Draw();
    captions.foreground = kDialog;
    Draw();
    EXPECT_EQ(captions.repainted, (std::vector<CaptionWindowId>{kEditor}));
    EXPECT_EQ(captions.stripWindows, (std::vector<CaptionWindowId>{kEditor}));
    EXPECT_EQ(painter.TitleBarWindow(), 0u);
    Draw();
    EXPECT_EQ(captions.repainted.size(), 1u);
    captions.foreground = kOther;
    Draw();
    EXPECT_EQ(captions.stripWindows.back(), kOther);
}

TEST_F(PanelPainterTest, TheConnectTimeIsDrawnWhenItChangesLeftOfTheStrip) {
    settings.Title = 2;
    settings.DisplayConnectTimeInTitlebar = 1;
    settings.NegotiationDelay = 5;
    captions.foreground = kEditor;
    sampling.Current.CD = 1;
    connection.SessionStart = clock.now - 60 * kOneSecond;
    Draw();
    const int stripX = 500 - 96 - 54 - 4;
    ASSERT_EQ(captions.times.size(), 1u);
    EXPECT_EQ(captions.times[0], (testing::DrawnTime{kEditor, "0:01:05", stripX - 2, 4, 23}));
    Draw();
    EXPECT_EQ(captions.times.size(), 1u);
    clock.now += kOneSecond;
    Draw();
    EXPECT_EQ(captions.times.back().text, "0:01:06");

    settings.Title = 0;  // the time alone takes the strip's place
    settings.DisplayConnectTimeInTitlebar = 0;
    settings.DisplayTotalConnectTimeInTitlebar = 1;
    settings.TotalConnectNew = 1.0 / 24;
    captions.foreground = kOther;
    Draw();
    EXPECT_EQ(captions.times.back(),
              (testing::DrawnTime{kOther, "1:01:06", 400 - 96 - 54 - 4 + 94, 4, 23}));
}

TEST_F(PanelPainterTest, RemovingTheDisplayRedrawsBothCaptionsAndForgetsTheTime) {
    settings.Title = 2;
    settings.DisplayConnectTimeInTitlebar = 1;
    sampling.Current.CD = 1;
    captions.foreground = kEditor;
    Draw();
    captions.foreground = kOther;
    painter.RemoveTitleBarDisplay();
    EXPECT_EQ(captions.redrawn, (std::vector<CaptionWindowId>{kEditor, kOther}));
    EXPECT_EQ(painter.TitleBarWindow(), 0u);
    captions.foreground = kEditor;
    Draw();
    EXPECT_EQ(captions.times.size(), 2u);
}

TEST_F(PanelPainterTest, CaptionFontComesFromTheSystemAndDirtiesThePanel) {
    testing::FakeAppearance system;
    system.captionFont = {"Tahoma", 9, true};
    connection.PanelDirty = false;
    painter.UseCaptionFont(system);
    EXPECT_TRUE(connection.PanelDirty);
    EXPECT_EQ(settings.FontTitlebarBackgroundColor, system.activeCaption);
    ASSERT_FALSE(resources.fonts.empty());
    EXPECT_EQ(resources.fonts.back(), (FontRequest{12, 700, false, false, false, "Tahoma"}));
}

}  // namespace
}  // namespace lw
