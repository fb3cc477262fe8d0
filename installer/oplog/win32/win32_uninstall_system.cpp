#include "installer/oplog/win32/win32_uninstall_system.h"

#include <windows.h>

#include <vector>

#include "installer/controller/win32/pending_messages.h"

namespace aw {

namespace {

// Cannot occur in a real entry: tells a missing entry from an empty one.
constexpr char kMissing[] = "\x01missing\x01";

std::string WindowsDirectory() {
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

// Shown normally, and reporting where this program does. Not WinExec: it waits for the program
// to take input, up to half a minute for one that never shows a window.
std::optional<HANDLE> Start(const std::string& commandLine, const char* directory = nullptr) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, directory,
                        &startup, &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

}  // namespace

std::string Win32UninstallSystem::ProgramPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

std::optional<std::string> Win32UninstallSystem::WinIniEntry(const std::string& section,
                                                             const std::string& key) {
    char value[MAX_PATH];
    const DWORD length =
        GetProfileStringA(section.c_str(), key.c_str(), kMissing, value, sizeof value);
    const std::string text(value, length);
    return text == kMissing ? std::nullopt : std::optional(text);
}

bool Win32UninstallSystem::WriteWinIniEntry(const std::string& section, const std::string& key,
                                            const std::string& value) {
    return WriteProfileStringA(section.c_str(), key.c_str(), value.c_str()) != 0;
}

void Win32UninstallSystem::DeleteWinIniSection(const std::string& section) {
    WriteProfileStringA(section.c_str(), nullptr, nullptr);
}

bool Win32UninstallSystem::StartMovexe(bool unattended) {
    const std::string windows = WindowsDirectory();
    const std::optional<HANDLE> process =
        Start("\"" + windows + "\\movexe.exe\"" + (unattended ? " /S" : ""), windows.c_str());
    if (!process) {
        return false;
    }
    CloseHandle(*process);
    return true;
}

std::optional<int> Win32UninstallSystem::RunAndWait(const std::string& commandLine) {
    const std::optional<HANDLE> process = Start(commandLine);
    if (!process) {
        return std::nullopt;
    }
    WaitForSingleObject(*process, INFINITE);
    DWORD exit = 1;
    GetExitCodeProcess(*process, &exit);
    CloseHandle(*process);
    return static_cast<int>(exit);
}

std::uint32_t Win32PassClock::Milliseconds() {
    return GetTickCount();
}

void Win32PassClock::RunMessagesFor(std::uint32_t milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    RunPendingMessages();
}

}  // namespace aw
