// The keys the controls act on, from the system's virtual-key codes.
#pragma once

#include <windows.h>

#include "monitor/controls/control_windows.h"

namespace lw {

inline ControlKey ControlKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_UP:
            return ControlKey::Up;
        case VK_DOWN:
            return ControlKey::Down;
        case VK_SPACE:
            return ControlKey::Space;
        default:
            return ControlKey::Other;
    }
}

}  // namespace lw
