#include "monitor/core/sampling/win32/port_registers.h"

#include <windows.h>

namespace lw {
namespace {

#if defined(__i386__)
// Wine reports whatever system it is set to imitate but runs on a kernel that forbids port I/O.
bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool WindowsNinetyFive() {
    if (UnderWine()) {
        return false;
    }
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) != 0 && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}
#endif

}  // namespace

#if defined(__i386__)
ChipRegisters::ChipRegisters() : access_(WindowsNinetyFive()) {}

std::uint8_t ChipRegisters::Read(std::uint16_t address) {
    if (!access_) {
        return 0;
    }
    std::uint8_t value = 0;
    __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(address));
    return value;
}

void ChipRegisters::Write(std::uint16_t address, std::uint8_t value) {
    if (access_) {
        __asm__ __volatile__("outb %0, %1" : : "a"(value), "Nd"(address));
    }
}
#else
ChipRegisters::ChipRegisters() = default;

std::uint8_t ChipRegisters::Read(std::uint16_t) {
    return 0;
}

void ChipRegisters::Write(std::uint16_t, std::uint8_t) {}
#endif

}  // namespace lw
