#include "monitor/core/window/win32/tests/window_test_support.h"

#include <fstream>
#include <sstream>

namespace lw::testing {
namespace {

// The build's folder of port files, as the prefix sees it: on drive Z. (A file named like a
// device, "com1", would be taken for the device itself.)
std::string PortFile(int port) {
    std::string path = "Z:" LW_WINDOW_PORTS_DIR "/port" + std::to_string(port);
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string WindowsFile(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

struct Search {
    DWORD processId;
    const char* className;
    const char* title;
    bool shownOnly;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM address) {
    auto& search = *reinterpret_cast<Search*>(address);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    char title[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (owner == search.processId && (!search.shownOnly || IsWindowVisible(window)) &&
        lstrcmpiA(className, search.className) == 0 &&
        (search.title == nullptr || std::string(title) == search.title)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM address) {
    auto& seen = *reinterpret_cast<SeenDialog*>(address);
    char className[32] = {};
    char text[1024] = {};
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, text, sizeof text);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    if (lstrcmpiA(className, "Button") == 0) {
        seen.buttons.push_back(text);
    } else if (lstrcmpiA(className, "Static") == 0 && text[0] != '\0') {
        seen.text = text;
    }
    return TRUE;
}

}  // namespace

// A missing file would not do: Wine then falls back to the machine's own serial device of
// that number, if it has one. A directory is there but cannot be opened as a port.
void SetPortOpenable(int port, bool openable) {
    const std::string file = PortFile(port);
    if (openable) {
        RemoveDirectoryA(file.c_str());
        std::ofstream(file, std::ios::binary | std::ios::app);
    } else {
        DeleteFileA(file.c_str());
        CreateDirectoryA(file.c_str(), nullptr);
    }
}

void MakeAllPortsOpenable() {
    for (int port = 1; port <= 4; ++port) {
        SetPortOpenable(port, true);
    }
}

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

void WriteSettingsFile(const std::string& name, const std::string& text) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    std::ofstream(WindowsFile(name), std::ios::binary) << text;
}

void WriteQuietSettings(const std::string& name, const std::string& com1Lines) {
    WriteSettingsFile(name,
                      "[LineWinker: Main]\r\nDefault Port=1\r\nShow Logo at Startup=0\r\n"
                      "[LineWinker on COM1]\r\nNoVxd=1\r\n" +
                          com1Lines);
}

void RemoveSettingsFile(const std::string& name) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    DeleteFileA(WindowsFile(name).c_str());
}

std::string ReadSettingsFile(const std::string& name) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    std::ifstream in(WindowsFile(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Read from the file's text, which another process may have written a moment ago.
std::string ReadSetting(const std::string& file, const std::string& section,
                        const std::string& key) {
    std::istringstream lines(ReadSettingsFile(file));
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with("[")) {
            inSection = line == "[" + section + "]";
        } else if (inSection && line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return "<missing>";
}

HWND FindWindowOf(DWORD processId, const char* className, const char* title, bool shownOnly) {
    Search search{processId, className, title, shownOnly};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenDialog LookAtDialog(HWND dialog) {
    SeenDialog seen;
    seen.window = dialog;
    char title[256] = {};
    GetWindowTextA(dialog, title, sizeof title);
    seen.title = title;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

void DropQuitMessages() {
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

namespace {

bool PumpWhile(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done && done()) {
            return true;
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

}  // namespace

void PumpFor(DWORD milliseconds) {
    PumpWhile(milliseconds, nullptr);
}

bool PumpUntil(const std::function<bool()>& done) {
    return PumpWhile(10000, done);
}

}  // namespace lw::testing
