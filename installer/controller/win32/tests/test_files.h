// Files as the Wine tests of the Installer look at them, beside the adapters under test: whole
// texts, presence, a file that another process makes, the files of a directory and the folder the
// test programs run from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "installer/controller/win32/win32_file_system.h"

namespace aw::testing {

using Bytes = std::vector<std::uint8_t>;

// A folder of this test program's own in the temporary folder: `name` and the process number.
inline std::string TestFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name + std::to_string(GetCurrentProcessId());
}

// Bytes that compress badly, the same for the same seed.
inline Bytes Noise(std::size_t size, std::uint32_t seed) {
    Bytes bytes(size);
    std::uint32_t state = seed * 2654435761u;
    for (std::uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

inline void Put(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits until `path` exists, as another process makes it: looking again every 50 ms for up to
// 30 seconds, since a process may take seconds to start on a busy machine. False when it never
// came.
inline bool WaitForFile(const std::string& path) {
    const DWORD start = GetTickCount();
    while (!Exists(path)) {
        if (GetTickCount() - start > 30000) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

// Removes `directory` with the files in it; it holds no directories.
inline void RemoveDirectoryAndFiles(const std::string& directory) {
    for (const std::string& name : FileNamesIn(directory)) {
        DeleteFileA((directory + "\\" + name).c_str());
    }
    RemoveDirectoryA(directory.c_str());
}

// The folder the test programs run from, where the test libraries and programs are built too.
inline std::string ProgramDirectory() {
    char name[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, name, MAX_PATH);
    const std::string path(name, length);
    return path.substr(0, path.find_last_of('\\'));
}

// Runs the program and waits for its end, bounded; its exit code, or -1 when it could not start
// (one that never ends is ended with 99).
inline int RunAndWait(const std::string& commandLine, DWORD timeout = 45000) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    CloseHandle(process.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, timeout) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

// What Wine keeps of the moves asked for the next restart.
inline constexpr char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
inline constexpr char kPendingMoves[] = "PendingFileRenameOperations";

inline std::string PendingMoves() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    char data[8192];
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(key, kPendingMoves, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(data, size) : std::string();
}

// A move queued by a test would otherwise be carried out at the next start of the prefix, long
// after that test, under another's eyes.
inline void ForgetPendingMoves() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, kPendingMoves);
        RegCloseKey(key);
    }
}

}  // namespace aw::testing
