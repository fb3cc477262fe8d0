#include "installer/script/host/win32/win32_host_environment.h"

#include <windows.h>

#include <cstdio>

namespace aw {
namespace {

// Registry data read from a file: far more than a value of the Windows 95 registry may hold,
// so that a wrong file name cannot take all memory.
constexpr DWORD kLargestWholeFile = 1024 * 1024;

}  // namespace

std::optional<std::string> Win32HostEnvironment::Environment(const std::string& name) {
    const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::string value(size, '\0');
    value.resize(GetEnvironmentVariableA(name.c_str(), value.data(), size));
    return value;
}

void Win32HostEnvironment::AppendLine(const std::string& path, const std::string& line) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        return;
    }
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
}

bool Win32HostEnvironment::Read(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size <= kLargestWholeFile;
    DWORD read = 0;
    if (ok) {
        bytes.assign(size, 0);
        ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

}  // namespace aw
