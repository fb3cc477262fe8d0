// Takes pictures of the lamp panel for the documentation: the five layouts with lamps lit and
// the text lines of the small ones, and the title-bar display on an editor's caption. Each
// picture is a whole window with its caption, written as a 24-bit bitmap file.
//
//   panel_snapshots <folder>   writes layout1.bmp .. layout5.bmp and titlebar.bmp there
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "monitor/core/drawing/win32/tests/panel_rig.h"

namespace lw {
namespace {

bool SaveWindow(HWND window, const std::string& path) {
    return testing::SaveBitmapFile(testing::Pixels(window, true), path);
}

// A connection in full swing: carrier, both ways of traffic, the control lines.
LineState Busy() {
    LineState line;
    line.CTS = line.DSR = line.CD = line.DTR = line.RTS = line.RD = 1;
    return line;
}

void Connect(testing::PanelRig& rig) {
    rig.Tick(LineState{});
    rig.Tick(Busy());
    rig.connection.SessionStart = rig.clock.now - (12 * 60 + 34) * kOneSecond;
    rig.connection.PortStatus = "@ 33600 bps";
    rig.connection.TxWindowShown = 1482;
    rig.connection.RxWindowShown = 20361;
}

bool TakeLayouts(const std::string& folder) {
    testing::PanelRig rig;
    rig.settings.WindowPositionX = 60;
    rig.sampling.Port.BaudRate = 115200;
    rig.Show();
    Connect(rig);
    bool saved = true;
    for (int layout = 1; layout <= 5; ++layout) {
        rig.settings.NewOrientation = layout;
        rig.settings.StatusInDisplay = layout == 3 ? 1 : 0;
        rig.settings.DisplayConnectTime = layout == 3 ? 1 : 0;
        rig.settings.SPYSpeedInDisplay = layout == 5 ? 1 : 0;
        rig.settings.WindowSizeX = 0;
        rig.connection.PanelDirty = true;
        rig.clock.now += kOneSecond;
        rig.Tick(Busy());
        testing::Settle();
        saved =
            SaveWindow(rig.window, folder + "\\layout" + std::to_string(layout) + ".bmp") && saved;
    }
    return saved;
}

bool TakeTitleBar(const std::string& folder) {
    testing::PanelRig rig;
    rig.settings.NewOrientation = 4;
    rig.settings.Title = 1;
    rig.settings.OrientationTitle = 4;
    rig.settings.DisplayConnectTimeInTitlebar = 1;
    rig.sampling.Port.BaudRate = 115200;
    rig.drawing->UseCaptionFont();
    rig.Show();
    const testing::ForegroundWindow editor(true, 520);
    SetWindowTextA(editor.window, "Connection notes - Editor");
    testing::Settle();
    Connect(rig);
    rig.clock.now += kOneSecond;
    rig.Tick(Busy());
    return SaveWindow(editor.window, folder + "\\titlebar.bmp");
}

}  // namespace
}  // namespace lw

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel_snapshots <folder>\n");
        return 2;
    }
    const bool layouts = lw::TakeLayouts(argv[1]);
    const bool titleBar = lw::TakeTitleBar(argv[1]);
    return layouts && titleBar ? 0 : 1;
}
