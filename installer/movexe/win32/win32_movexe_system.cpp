#include "installer/movexe/win32/win32_movexe_system.h"

#include <tlhelp32.h>

#include <fstream>
#include <iterator>

#include "installer/launcher/win32/program_text.h"

namespace aw {

namespace {

std::string HandoverPath() {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory, length) + "\\movexe.ini";
}

DWORD ParentProcessId() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && parent == 0;
         more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) {
            parent = entry.th32ParentProcessID;
        }
    }
    CloseHandle(snapshot);
    return parent;
}

std::uint64_t CreationTime(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return 0;
    }
    return static_cast<std::uint64_t>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
}

// The process that started this one; null when it has ended. A process started after this one
// is another that took the ended starter's number (systems without process times cannot tell).
HANDLE OpenStarter() {
    const DWORD id = ParentProcessId();
    if (id == 0) {
        return nullptr;
    }
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (process != nullptr && CreationTime(process) > CreationTime(GetCurrentProcess())) {
        CloseHandle(process);
        return nullptr;
    }
    return process;
}

FileStep StepAfter(BOOL succeeded) {
    if (succeeded) {
        return FileStep::Done;
    }
    const DWORD error = GetLastError();
    const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                       error == ERROR_LOCK_VIOLATION;
    return inUse ? FileStep::InUse : FileStep::Failed;
}

}  // namespace

Win32MovexeSystem::Win32MovexeSystem(bool unattended)
    : unattended_(unattended), starter_(OpenStarter()) {}

Win32MovexeSystem::~Win32MovexeSystem() {
    if (starter_ != nullptr) {
        CloseHandle(starter_);
    }
}

std::optional<std::string> Win32MovexeSystem::ReadHandoverText() {
    std::ifstream in(HandoverPath(), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Win32MovexeSystem::DeleteHandover() {
    DeleteFileA(HandoverPath().c_str());
}

std::uint32_t Win32MovexeSystem::Ticks() {
    return GetTickCount();
}

void Win32MovexeSystem::Pause(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

bool Win32MovexeSystem::StarterEnded() {
    return starter_ == nullptr || WaitForSingleObject(starter_, 0) == WAIT_OBJECT_0;
}

FileStep Win32MovexeSystem::CheckFree(const std::string& path) {
    // A read-only file refuses writers whether in use or not; the program is to be moved or
    // removed anyway.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return StepAfter(FALSE);
    }
    CloseHandle(file);
    return FileStep::Done;
}

FileStep Win32MovexeSystem::Move(const std::string& from, const std::string& to) {
    // MoveFileEx, which could replace, is missing from the Windows 95 family.
    if (lstrcmpiA(from.c_str(), to.c_str()) != 0 &&
        GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (const FileStep removed = Remove(to); removed != FileStep::Done) {
            return removed;
        }
    }
    return StepAfter(MoveFileA(from.c_str(), to.c_str()));
}

FileStep Win32MovexeSystem::Remove(const std::string& path) {
    return StepAfter(DeleteFileA(path.c_str()));
}

bool Win32MovexeSystem::Start(const std::string& path, bool unattended) {
    std::string commandLine = "\"" + path + "\"" + (unattended ? " /S" : "");
    const std::string directory = path.substr(0, path.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32MovexeSystem::Report(const std::string& message) {
    ReportProblem(message, "movexe", unattended_);
}

}  // namespace aw
