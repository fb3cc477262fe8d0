#include "installer/controller/win32/win32_ini_files.h"

#include <windows.h>

namespace aw {

IniFileRead Win32IniFiles::Read(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return {};
        }
        return {true, false, ""};
    }
    IniFileRead read{true, true, ""};
    const DWORD size = GetFileSize(file, nullptr);
    if (size == INVALID_FILE_SIZE) {
        read.Readable = false;
    } else {
        read.Text.resize(size);
        DWORD done = 0;
        read.Readable = ReadFile(file, read.Text.data(), size, &done, nullptr) && done == size;
    }
    CloseHandle(file);
    return read;
}

bool Win32IniFiles::Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32IniFiles::WriteNew(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD done = 0;
    const bool written =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &done, nullptr) &&
        done == text.size();
    return CloseHandle(file) && written;
}

bool Win32IniFiles::Delete(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32IniFiles::Rename(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != FALSE;
}

std::string Win32IniFiles::WindowsDirectory() {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    return length == 0 || length >= sizeof directory ? std::string() : std::string(directory);
}

}  // namespace aw
