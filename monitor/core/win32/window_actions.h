#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "monitor/core/window_actions.h"

namespace lw {

// The tick's requests on the main window and its timer. The driver belongs to whoever opened
// it, who hands in how to release it.
class Win32WindowActions : public WindowActions {
  public:
    Win32WindowActions(HWND window, UINT_PTR timerId, std::function<void()> releaseDriver)
        : window_(window), timerId_(timerId), releaseDriver_(std::move(releaseDriver)) {}

    // The drawing code tells where it last drew the title-bar display.
    void NoteTitleBarWindow(HWND window) { titleBarWindow_ = window; }

    void SetTopmost(bool topmost) override;
    void RemoveTitleBarDisplay() override;
    void ReleaseDriver() override;
    void StopTimer() override;
    void CloseMainWindow() override;
    void InvalidatePanel() override;
    void DrawPanelNow() override;
    bool IsClosing() const override;

  private:
    HWND window_;
    UINT_PTR timerId_;
    std::function<void()> releaseDriver_;
    HWND titleBarWindow_ = nullptr;
};

}  // namespace lw
