#include "monitor/controls/win32/control_system.h"

#include "monitor/controls/win32/edit_window.h"
#include "monitor/controls/win32/glyph.h"
#include "monitor/controls/win32/spin_button_window.h"

namespace lw {

void Win32ControlSystem::Beep() {
    MessageBeep(0);
}

char Win32ControlSystem::DecimalSeparator() const {
    char separator[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2) {
        return '.';
    }
    return separator[0];
}

int Win32ControlSystem::SystemFontHeight() const {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

int Win32ControlSystem::BorderHeight() const {
    return GetSystemMetrics(SM_CYBORDER);
}

std::shared_ptr<const GlyphImage> Win32ControlSystem::LoadGlyph(const std::string& name) {
    return LoadGlyphResource(name);
}

std::unique_ptr<EditWindow> Win32ControlSystem::CreateEditWindow(TVexSpinEdit& control,
                                                                 WindowHandle parent,
                                                                 const ControlRect& bounds) {
    return std::make_unique<Win32EditWindow>(control, reinterpret_cast<HWND>(parent), bounds);
}

std::unique_ptr<SpinButtonWindow> Win32ControlSystem::CreateSpinButtonWindow(
    TSpinButton& control, WindowHandle parent, const ControlRect& bounds) {
    return std::make_unique<Win32SpinButtonWindow>(control, reinterpret_cast<HWND>(parent), bounds);
}

Win32ControlSystem& Win32ControlSystem::Instance() {
    static Win32ControlSystem system;
    return system;
}

TVexSpinEdit& MakeSpinEdit(Component& owner, HWND parent, const ControlRect& bounds,
                           ControlSystem& system) {
    return Component::Create<TVexSpinEdit>(owner, system, reinterpret_cast<WindowHandle>(parent),
                                           bounds);
}

}  // namespace lw
