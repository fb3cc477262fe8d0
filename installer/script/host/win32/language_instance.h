// The language library that the controller's windows loaded, for the host's own windows.
#pragma once

#include <windows.h>

namespace aw {

class ControllerWindows;

// None before the library is loaded, or for windows that are not the Win32 ones.
HINSTANCE LanguageInstance(ControllerWindows& windows);

}  // namespace aw
