#include "monitor/core/tracking/win32/connection_log_file.h"

#include <windows.h>

#include <utility>

#include "monitor/core/tracking/connection_log_text.h"

namespace lw {
namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now, so that a failing close can be reported.
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE; }

  private:
    HANDLE handle_;
};

HANDLE OpenForWriting(const std::string& fileName, DWORD disposition) {
    return CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Only a missing file is created, and never over an existing one: a file that is there but
// cannot be opened just now must not lose its lines.
HANDLE OpenForAppending(const std::string& fileName) {
    const HANDLE existing = OpenForWriting(fileName, OPEN_EXISTING);
    if (existing != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) {
        return existing;
    }
    return OpenForWriting(fileName, CREATE_NEW);
}

[[noreturn]] void Fail(const std::string& fileName) {
    throw LogFileError(fileName, GetLastError());
}

}  // namespace

std::optional<std::string> Win32LogFiles::ReadLastLine(const std::string& fileName) {
    FileHandle file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) {
            return std::nullopt;
        }
        Fail(fileName);
    }
    std::string last;
    std::string current;
    char block[4096];
    DWORD got = 0;
    do {
        if (!ReadFile(file.Get(), block, sizeof block, &got, nullptr)) {
            Fail(fileName);
        }
        for (DWORD i = 0; i < got; ++i) {
            if (block[i] != '\n') {
                current += block[i];
                continue;
            }
            if (current.ends_with('\r')) {
                current.pop_back();
            }
            last = std::exchange(current, {});
        }
    } while (got != 0);
    if (current.empty()) {
        return last;
    }
    if (current.ends_with('\r')) {
        current.pop_back();
    }
    return current;
}

void Win32LogFiles::Append(const std::string& fileName, const std::string& text) {
    FileHandle file(OpenForAppending(fileName));
    if (!file.IsOpen()) {
        Fail(fileName);
    }
    SetLastError(NO_ERROR);
    if (SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        Fail(fileName);
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
        Fail(fileName);
    }
    if (!file.Close()) {
        Fail(fileName);
    }
}

LogFileNames ProgramLogFileNames() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path, shortPath, MAX_PATH);
    const std::string program = length > 0 && length < MAX_PATH ? shortPath : path;
    return {LogFileBeside(program, "DCD"), LogFileBeside(program, "RI")};
}

}  // namespace lw
