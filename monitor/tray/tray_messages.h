// The window messages the tray icon's hidden window deals with, by number.
#pragma once

namespace lw::tray_messages {

inline constexpr unsigned kUser = 0x0400;
// The shell's notification about the mouse over the icon; its second parameter is the mouse
// message.
inline constexpr unsigned kCallback = kUser + 100;
// A deferred call waiting in the icon's slot.
inline constexpr unsigned kDeferredCall = kUser + 101;

inline constexpr unsigned kQueryEndSession = 0x0011;
inline constexpr unsigned kEndSession = 0x0016;

inline constexpr unsigned kMouseMove = 0x0200;
inline constexpr unsigned kLeftButtonDown = 0x0201;
inline constexpr unsigned kLeftButtonUp = 0x0202;
inline constexpr unsigned kLeftButtonDoubleClick = 0x0203;
inline constexpr unsigned kRightButtonDown = 0x0204;
inline constexpr unsigned kRightButtonUp = 0x0205;
inline constexpr unsigned kRightButtonDoubleClick = 0x0206;
inline constexpr unsigned kMiddleButtonDown = 0x0207;
inline constexpr unsigned kMiddleButtonUp = 0x0208;
inline constexpr unsigned kMiddleButtonDoubleClick = 0x0209;

}  // namespace lw::tray_messages
