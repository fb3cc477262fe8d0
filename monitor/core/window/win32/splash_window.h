// The window shown while the monitor starts: its name and a row of lamps, for a moment.
#pragma once

#include "monitor/forms/win32/form_window.h"

namespace lw {

class SplashWindow : public Win32Form {
  public:
    explicit SplashWindow(Win32Application& application);

    // Shows the window above the others; it hides itself after a while or at a click.
    void Present();

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void Paint();
};

}  // namespace lw
