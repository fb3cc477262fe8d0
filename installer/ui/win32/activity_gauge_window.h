// The activity gauge: the modeless dialog "DLGGAUGE" of the language library, owned by the
// install screen, whose two bars flicker while work goes on.
#pragma once

#include <windows.h>

#include "installer/ui/activity_gauge.h"
#include "installer/ui/screen_geometry.h"

namespace aw {

class ActivityGaugeWindow {
  public:
    // Opens the gauge at `point`, in pixels of the screen's client area.
    ActivityGaugeWindow(HWND screen, HINSTANCE resources, PixelPoint point);
    ~ActivityGaugeWindow();
    ActivityGaugeWindow(const ActivityGaugeWindow&) = delete;
    ActivityGaugeWindow& operator=(const ActivityGaugeWindow&) = delete;

    bool Created() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    // One step of activity.
    void Pulse();

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Open(HWND window);
    void Show(const GaugeLevels& levels);

    HWND screen_;
    PixelPoint point_;
    ActivityGaugeLevels levels_;
    HWND window_ = nullptr;
};

}  // namespace aw
