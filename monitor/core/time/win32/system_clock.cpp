#include "monitor/core/time/win32/system_clock.h"

#include <windows.h>

namespace lw {

DayCount SystemClock::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return EncodeDateTime({now.wYear, now.wMonth, now.wDay},
                          {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds});
}

std::uint32_t SystemClock::TickCount() const {
    return GetTickCount();
}

}  // namespace lw
