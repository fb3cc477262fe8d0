#include "installer/script/host/win32/language_instance.h"

#include "installer/controller/run/win32/win32_controller_windows.h"

namespace aw {

HINSTANCE LanguageInstance(ControllerWindows& windows) {
    auto* win32 = dynamic_cast<Win32ControllerWindows*>(&windows);
    return win32 != nullptr ? win32->ResourceInstance() : nullptr;
}

}  // namespace aw
