// What the main window's Wine tests share: the test ports behind COM1-COM4, the settings
// file, and the dialogs and windows of another process seen from outside.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace lw::testing {

// COM1-COM4 are links of the prefix to files of the build (see the CMakeLists.txt).
void SetPortOpenable(int port, bool openable);
void MakeAllPortsOpenable();

// The folder of the test program, where the build puts the programs it runs.
std::string ProgramDirectory();

// The settings file in the Windows directory: removed, then filled with `text`.
void WriteSettingsFile(const std::string& name, const std::string& text);
// A settings file for a quiet start on COM1 (no logo, no helper driver), with `com1Lines`
// added to COM1's section.
void WriteQuietSettings(const std::string& name, const std::string& com1Lines);
std::string ReadSettingsFile(const std::string& name);
void RemoveSettingsFile(const std::string& name);
std::string ReadSetting(const std::string& file, const std::string& section,
                        const std::string& key);

// A dialog box of a process: its title, its text and its buttons' captions.
struct SeenDialog {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

// The first top-level window of `processId` with this class (and title, if given), shown
// unless `shownOnly` is false.
HWND FindWindowOf(DWORD processId, const char* className, const char* title = nullptr,
                  bool shownOnly = true);
SeenDialog LookAtDialog(HWND dialog);

// Takes away the quit messages that a closed main window leaves for the message loop.
void DropQuitMessages();

// Runs the system's messages for a while.
void PumpFor(DWORD milliseconds);
// Runs the system's messages until `done` holds, for ten seconds at the most; false when it
// never did.
bool PumpUntil(const std::function<bool()>& done);

}  // namespace lw::testing
