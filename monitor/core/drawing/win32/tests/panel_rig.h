// A window drawn by the panel drawing as the main window is, driven by the real tick, and
// pictures of windows read back from the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/drawing/tests/fakes/drawing_fakes.h"
#include "monitor/core/drawing/win32/panel_drawing.h"
#include "monitor/core/settings/tests/fakes/fake_system.h"
#include "monitor/core/tracking/connection_tracker.h"
#include "monitor/core/tracking/tests/fakes/connection_fakes.h"
#include "monitor/forms/win32/tests/window_pictures.h"

namespace lw::testing {

// Runs the messages waiting, for a little while.
void Settle();

// The main window's part: a captioned popup with a minimise box that hands its paint,
// erase and size messages to the drawing, and the tick with scripted lines.
class PanelRig : public PanelHost, public WindowActions {
  public:
    explicit PanelRig(LineSampler* sampler = nullptr);
    ~PanelRig() override;
    PanelRig(const PanelRig&) = delete;
    PanelRig& operator=(const PanelRig&) = delete;

    // The panel is drawn for the first time: shown, then painted.
    void Show();
    // One tick with `line` as the sampled state.
    void Tick(const LineState& line);
    Pixels Client() const { return Pixels(window, false); }

    // PanelHost.
    bool ModalOpen() const override { return false; }
    bool DialogOpen() const override { return false; }
    bool Minimized() const override { return IsIconic(window) != FALSE; }
    void MinimizeApplication() override { ShowWindow(window, SW_MINIMIZE); }
    void RestoreFromTray() override { ShowWindow(window, SW_RESTORE); }
    void HideTaskbarWindow() override { ++taskbarHidden; }
    void ShowSessionTraffic(std::int32_t, std::int32_t) override {}
    void ClearSessionTraffic() override {}

    // WindowActions, as the main window forwards them.
    void SetTopmost(bool) override {}
    void RemoveTitleBarDisplay() override { drawing->RemoveTitleBarDisplay(); }
    void ReleaseDriver() override {}
    void StopTimer() override {}
    void CloseMainWindow() override {}
    void InvalidatePanel() override { InvalidateRect(window, nullptr, FALSE); }
    void DrawPanelNow() override { drawing->DrawNow(); }
    bool IsClosing() const override { return false; }

    MonitorSettings settings;
    SamplingState sampling;
    ConnectionState connection;
    ScriptedSampler scripted;
    FakeClock clock;
    FakeTray tray;
    HWND window = nullptr;
    std::unique_ptr<PanelDrawing> drawing;
    int taskbarHidden = 0;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    LineSampler& sampler_;
    RecordingSounds sounds_;
    ScriptedBoxes boxes_;
    MemoryLogFiles logs_;
    FixedDateFormat dates_;
    RecordingDialog dialog_;
    std::unique_ptr<ConnectionTracker> tracker_;
};

// An ordinary program's window (or, without `minimizeBox`, a dialog's) in the foreground.
class ForegroundWindow {
  public:
    explicit ForegroundWindow(bool minimizeBox, int width = 420);
    ~ForegroundWindow() { DestroyWindow(window); }
    ForegroundWindow(const ForegroundWindow&) = delete;
    ForegroundWindow& operator=(const ForegroundWindow&) = delete;
    Pixels Whole() const { return Pixels(window, true); }
    HWND window = nullptr;
};

}  // namespace lw::testing
