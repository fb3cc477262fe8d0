// The panel of the program's own main window, painted through its window messages, checked by
// the pixels the screen shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "monitor/core/drawing/high_speed.h"
#include "monitor/core/drawing/lamp_layouts.h"
#include "monitor/core/drawing/win32/tests/panel_rig.h"
#include "monitor/core/window/win32/main_form.h"
#include "monitor/core/window/win32/tests/window_test_support.h"

namespace lw {
namespace {

const std::string kFile = "LWPANEL.INI";

class MainWindowPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::MakeAllPortsOpenable();
        // No ticks: the test sets the lamps itself.
        testing::WriteQuietSettings(kFile,
                                    "Timer Interval=0\r\nLightColorOn=255\r\n"
                                    "LightColorOff=8553090\r\nBackgroundColor=12632256\r\n");
    }
    void TearDown() override { testing::RemoveSettingsFile(kFile); }

    Win32Application app{"LineWink"};
};

TEST_F(MainWindowPanelTest, EachLayoutsLampsShowInTheLampColours) {
    MainFormOptions options;
    options.settingsFile = kFile;
    MainForm form(app, options);
    ASSERT_TRUE(form.Create());
    MonitorSettings& settings = form.Main().Settings();
    SamplingState& sampling = form.Main().Sampling();
    for (int layout = 1; layout <= 5; ++layout) {
        settings.NewOrientation = layout;
        form.Main().Connection().PanelDirty = true;
        LineState line;
        line.CTS = line.CD = line.RD = line.RTS = 1;
        sampling.Current = line;
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        testing::PumpFor(100);

        const testing::Pixels shown(form.Handle(), false);
        const LampLayout& lamps = PanelLayout(layout);
        const bool highSpeed = HighSpeedLampLit(settings, sampling);
        for (const LampSlot& slot : lamps.lamps) {
            const LampPoint at = LampPosition(lamps.geometry, slot);
            const int x = (shown.Width() - lamps.width) / 2 + at.x + lamps.geometry.width / 2;
            const int y = at.y - 2 + lamps.geometry.height / 2;
            SCOPED_TRACE("layout " + std::to_string(layout) + " column " +
                         std::to_string(slot.column) + " row " + std::to_string(slot.row));
            if (slot.lamp == Lamp::Dark) {
                EXPECT_NE(shown.At(x, y), RGB(255, 0, 0));
            } else {
                EXPECT_EQ(shown.At(x, y), LampLit(slot.lamp, line, highSpeed) ? RGB(255, 0, 0)
                                                                              : RGB(130, 130, 130));
            }
        }
    }
}

}  // namespace
}  // namespace lw
