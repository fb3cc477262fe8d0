#include "installer/launcher/win32/win32_launcher_system.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "installer/launcher/win32/program_text.h"

namespace aw {

namespace {

constexpr const char* kTitle = "Setup";

// Calls `visit` with every entry of the folder but "." and "..".
template <typename Visit>
bool ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            visit(found);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

}  // namespace

std::string Win32LauncherSystem::OwnPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::optional<std::vector<FolderFile>> Win32LauncherSystem::ListFolder(const std::string& folder) {
    std::vector<FolderFile> files;
    const bool listed = ForEachEntry(folder, [&](const WIN32_FIND_DATAA& found) {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            files.push_back(
                {found.cFileName,
                 static_cast<std::uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow});
        }
    });
    return listed ? std::optional(files) : std::nullopt;
}

std::optional<std::string> Win32LauncherSystem::MakeWorkingDirectory() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        return std::nullopt;
    }
    std::string folder(temp, length);
    if (folder.back() != '\\') {
        folder += '\\';
    }
    const DWORD seed = GetTickCount() ^ GetCurrentProcessId() << 16;
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        char name[16];
        wsprintfA(name, "aws%05lx", static_cast<unsigned long>((seed + attempt) & 0xFFFFF));
        const std::string directory = folder + name;
        if (CreateDirectoryA(directory.c_str(), nullptr)) {
            return directory;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool Win32LauncherSystem::CopyFileTo(const std::string& from, const std::string& to) {
    // Files from a CD-ROM come read-only; the installer's folder must be removable afterwards.
    return CopyFileA(from.c_str(), to.c_str(), TRUE) &&
           SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool Win32LauncherSystem::WriteNewFile(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    return CloseHandle(file) && whole;
}

std::optional<std::string> Win32LauncherSystem::ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::uint32_t> Win32LauncherSystem::RunAndWait(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    const std::string directory = program.substr(0, program.find_last_of('\\'));
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

bool Win32LauncherSystem::RemoveTree(const std::string& directory) {
    bool removed = true;
    ForEachEntry(directory, [&](const WIN32_FIND_DATAA& found) {
        const std::string path = directory + "\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            removed = RemoveTree(path) && removed;
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            removed = DeleteFileA(path.c_str()) && removed;
        }
    });
    return RemoveDirectoryA(directory.c_str()) && removed;
}

bool Win32LauncherSystem::AskRestart(int result) {
    const char* text = result == 4
                           ? "The computer must be restarted to finish the installation.\n\n"
                             "Restart it now?"
                           : "Windows must be restarted to finish the installation.\n\n"
                             "Restart it now?";
    return MessageBoxA(nullptr, text, kTitle, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) ==
           IDYES;
}

void Win32LauncherSystem::Restart() {
    // Systems with user rights ask for the shutdown privilege first; the Windows 95 family has
    // none and restarts without it.
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
            AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        }
        CloseHandle(token);
    }
    ExitWindowsEx(EWX_REBOOT, 0);
}

void Win32LauncherSystem::Report(const std::string& message) {
    ReportProblem(message, kTitle, unattended_);
}

}  // namespace aw
