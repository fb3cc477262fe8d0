// The about box: the program's name, version and purpose, with a row of lamps.
#pragma once

#include "monitor/forms/win32/form_window.h"

namespace lw {

class AboutBox : public Win32Form {
  public:
    explicit AboutBox(Win32Application& application);

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A row of lamps, lit and unlit, as the panel shows them; the about box and the splash
// window draw it as their picture.
void DrawLampRow(HDC dc, int left, int top, int diameter, int count);

}  // namespace lw
