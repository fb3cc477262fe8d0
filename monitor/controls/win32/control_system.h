// The controls on real windows, and the call that places a spin edit on a form.
#pragma once

#include <windows.h>

#include "monitor/controls/control_windows.h"
#include "monitor/controls/vex_spin_edit.h"

namespace lw {

class Win32ControlSystem : public ControlSystem {
  public:
    void Beep() override;
    char DecimalSeparator() const override;
    int SystemFontHeight() const override;
    int BorderHeight() const override;
    std::shared_ptr<const GlyphImage> LoadGlyph(const std::string& name) override;
    std::unique_ptr<EditWindow> CreateEditWindow(TVexSpinEdit& control, WindowHandle parent,
                                                 const ControlRect& bounds) override;
    std::unique_ptr<SpinButtonWindow> CreateSpinButtonWindow(TSpinButton& control,
                                                             WindowHandle parent,
                                                             const ControlRect& bounds) override;

    // The one the program's controls use.
    static Win32ControlSystem& Instance();
};

// A spin edit in the window `parent` (a form or a page of one) at `bounds`, whose height is
// taken from the font (see vex_spin_edit.h). `owner` frees it; its window goes with it or
// with the parent, whichever goes first. The edit is a tab stop with the parent's font
// (WM_SETFONT changes it).
TVexSpinEdit& MakeSpinEdit(Component& owner, HWND parent, const ControlRect& bounds,
                           ControlSystem& system = Win32ControlSystem::Instance());

inline HWND HwndOf(const TVexSpinEdit& edit) {
    return reinterpret_cast<HWND>(edit.Handle());
}

}  // namespace lw
