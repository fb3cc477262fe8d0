#include "monitor/core/tracking/win32/connection_log_dates.h"

#include <windows.h>

namespace lw {
namespace {

SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}

}  // namespace

std::string SystemDateTimeFormat::ShortDate(int year, int month, int day) const {
    const SYSTEMTIME time = MakeSystemTime(year, month, day, 0, 0, 0);
    char text[80];
    const int length =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text, length - 1) : std::string();
}

std::string SystemDateTimeFormat::LongTime(int hour, int minute, int second) const {
    const SYSTEMTIME time = MakeSystemTime(2000, 1, 1, hour, minute, second);
    char text[80];
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text, length - 1) : std::string();
}

}  // namespace lw
