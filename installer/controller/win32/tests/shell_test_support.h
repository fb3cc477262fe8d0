// What the shell tests share: the Programs folder, and the folder windows that Wine's shell opens
// for groups closed again.
#pragma once

#include <windows.h>

#include <string>

#include "installer/controller/win32/tests/test_files.h"
#include "installer/controller/win32/win32_link_store.h"

namespace aw::testing {

inline std::string ProgramsFolder() {
    return Win32LinkStore().ProgramsFolder().value_or("");
}

// Wine's shell opens a folder window for every group it creates or shows, from its own process
// and a little later; while one is open, Wine's desktop process lives on, holding the output of
// the test that started it. Closes them as they come, until none has come for a while.
inline BOOL CALLBACK CloseFolderWindow(HWND window, LPARAM found) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "ExplorerWClass") == 0 || lstrcmpA(name, "CabinetWClass") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        *reinterpret_cast<bool*>(found) = true;
    }
    return TRUE;
}

inline void CloseFolderWindows() {
    // A folder window comes from a process of its own, which may take seconds to start on a
    // busy machine; one left open would keep the desktop process alive for the whole run.
    constexpr int kQuietPolls = 50;
    constexpr int kLongestPolls = 250;
    int quiet = 0;
    for (int poll = 0; poll < kLongestPolls && quiet < kQuietPolls; ++poll) {
        bool found = false;
        EnumWindows(&CloseFolderWindow, reinterpret_cast<LPARAM>(&found));
        quiet = found ? 0 : quiet + 1;
        Sleep(100);
    }
}

}  // namespace aw::testing
