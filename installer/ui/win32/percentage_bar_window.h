// The percentage bar control (class AW_PERCENT_BAR_CLASS), used by the activity gauge and
// the progress windows of the language libraries' templates.
#pragma once

#include <windows.h>

namespace aw {

// wParam: the value 0..100; the bar repaints at once.
inline constexpr UINT kBarSetValue = WM_USER + 1;
// wParam: the bar colour (a COLORREF).
inline constexpr UINT kBarSetColour = WM_USER + 2;
// Answers the value.
inline constexpr UINT kBarGetValue = WM_USER + 3;

// Registers the class once for the whole process (dialogs of any module may hold bars).
bool RegisterPercentageBar();

}  // namespace aw
