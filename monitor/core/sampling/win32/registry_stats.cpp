#include "monitor/core/sampling/win32/registry_stats.h"

#include <windows.h>

namespace lw {
namespace {

// A 4-byte binary value; 0 when missing or of another size.
std::int32_t ReadCounter(HKEY key, const std::string& name) {
    std::int32_t value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        size != sizeof(value)) {
        return 0;
    }
    return value;
}

}  // namespace

DialupCounters RegistryDialupStatistics::Read(const std::string& connectionName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    DialupCounters counters;
    counters.received = ReadCounter(key, connectionName + "\\BytesRecvd");
    counters.transmitted = ReadCounter(key, connectionName + "\\BytesXmit");
    counters.speed = ReadCounter(key, connectionName + "\\ConnectSpeed");
    RegCloseKey(key);
    return counters;
}

}  // namespace lw
