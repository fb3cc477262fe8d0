#include "monitor/setup/win32/setup_system.h"

#include <shellapi.h>

#include "monitor/forms/win32/application_window.h"

namespace lw {
namespace {

class Win32OpenedFile : public OpenedFile {
  public:
    explicit Win32OpenedFile(HANDLE file) : file_(file) {}
    ~Win32OpenedFile() override { CloseHandle(file_); }
    Win32OpenedFile(const Win32OpenedFile&) = delete;
    Win32OpenedFile& operator=(const Win32OpenedFile&) = delete;

  private:
    HANDLE file_;
};

}  // namespace

std::string Win32SetupSystem::ProgramPath() const {
    return Win32Application::ExeName();
}

std::optional<std::string> Win32SetupSystem::ShortPath(const std::string& path) const {
    if (path.empty()) {
        return std::nullopt;
    }
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    return std::string(shortPath, length);
}

std::string Win32SetupSystem::WindowsDirectory() const {
    char directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory, length < MAX_PATH ? length : 0);
}

bool Win32SetupSystem::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32SetupSystem::AssociatedProgram(const std::string& file) const {
    char program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), nullptr, program));
    if (result <= 32 || program[0] == '\0') {
        return std::nullopt;
    }
    return std::string(program);
}

void Win32SetupSystem::StartProgram(const std::string& commandLine) {
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

std::unique_ptr<OpenedFile> Win32SetupSystem::OpenForReading(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32OpenedFile>(file);
}

bool Win32SetupSystem::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace lw
