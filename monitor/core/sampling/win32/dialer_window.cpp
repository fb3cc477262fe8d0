#include "monitor/core/sampling/win32/dialer_window.h"

#include <tlhelp32.h>

namespace lw {
namespace {

constexpr DWORD kQueryLimitedInformation = 0x1000;

std::string DialerPath() {
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::string(directory, length) + "\\RNAAPP.EXE";
}

// The Windows 95 family puts the full path into the snapshot; the NT family only the name.
std::string SnapshotPath(const PROCESSENTRY32& entry) {
    const std::string exe = entry.szExeFile;
    return exe.find('\\') != std::string::npos ? exe : ProcessImagePath(entry.th32ProcessID);
}

DWORD FindProcess(const std::string& path) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
         more = Process32Next(snapshot, &entry)) {
        if (SnapshotPath(entry) == path) {
            found = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    return found;
}

bool IsDialog(HWND window) {
    char name[145] = {};
    GetClassNameA(window, name, sizeof(name));
    return std::string(name) == "#32770";
}

// The process's top-level dialog. Other top-level windows of the process (such as the
// system's input-method windows) are passed over.
HWND FindDialog(DWORD processId) {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsDialog(window)) {
            return window;
        }
    }
    return nullptr;
}

// Whether any program has a dialog among the top-level windows: walking the windows costs
// little beside walking the processes, and without a dialog the dial-up program's window is
// not there.
bool AnyDialog() {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsDialog(window)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string ProcessImagePath(DWORD processId) {
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    const auto query = reinterpret_cast<QueryImageName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    if (query == nullptr) {
        return {};
    }
    const HANDLE process = OpenProcess(kQueryLimitedInformation, FALSE, processId);
    if (process == nullptr) {
        return {};
    }
    char path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    const bool ok = query(process, 0, path, &length) != 0;
    CloseHandle(process);
    return ok ? std::string(path, length) : std::string();
}

bool DialerProcessWindow::Find() {
    Forget();
    const std::string path = DialerPath();
    const DWORD processId = path.empty() || !AnyDialog() ? 0 : FindProcess(path);
    if (processId == 0) {
        return false;
    }
    const HWND window = FindDialog(processId);
    if (window == nullptr) {
        return false;
    }
    process_ = OpenProcess(PROCESS_VM_READ, FALSE, processId);
    window_ = window;
    return true;
}

std::uint64_t DialerProcessWindow::UserValue() {
    if (window_ == nullptr) {
        return 0;
    }
    return static_cast<std::uint64_t>(GetWindowLongPtrA(window_, DWLP_USER));
}

void DialerProcessWindow::ReadPrivateData(std::uint64_t address,
                                          std::array<std::uint8_t, 36>& data) {
    SIZE_T read = 0;
    ReadProcessMemory(process_, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)),
                      data.data(), data.size(), &read);
}

void DialerProcessWindow::Forget() {
    if (process_ != nullptr) {
        CloseHandle(process_);
    }
    process_ = nullptr;
    window_ = nullptr;
}

}  // namespace lw
