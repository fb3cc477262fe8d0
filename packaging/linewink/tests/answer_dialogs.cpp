// Answers an installation's dialogs as a person accepting every offer would, for as many
// seconds as it is given: the welcome and the choice of components with their default button,
// a script's own dialog with its "OK" button, and whatever box follows with its default button;
// progress windows are left alone. Each dialog answered is noted as a line in the given file:
// its caption, then the label of the button pressed.
//
//   lw_answer_dialogs SECONDS FILE.txt
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "installer/languages/resource_numbers.h"

namespace {

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::set<HWND>*>(found)->insert(window);
    }
    return TRUE;
}

// The button a person accepting the offer presses: the one labelled OK, else the default one.
HWND AcceptButton(HWND dialog) {
    HWND fallback = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") != 0 || !IsWindowVisible(child)) {
            continue;
        }
        const std::string label = TextOf(child);
        if (label == "OK" || label == "&OK") {
            return child;
        }
        if ((GetWindowLongA(child, GWL_STYLE) & BS_DEFPUSHBUTTON) != 0 && fallback == nullptr) {
            fallback = child;
        }
    }
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 1;
    }
    const DWORD until = GetTickCount() + std::strtoul(argv[1], nullptr, 10) * 1000;
    std::ofstream notes(argv[2]);
    std::set<HWND> answered;
    while (GetTickCount() < until) {
        std::set<HWND> dialogs;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
        for (HWND dialog : dialogs) {
            if (answered.count(dialog) != 0 || GetDlgItem(dialog, AW_ID_PROGRESS_BAR) != nullptr) {
                continue;
            }
            // Let the dialog finish setting itself up.
            Sleep(200);
            const HWND button = AcceptButton(dialog);
            if (!IsWindow(dialog) || button == nullptr) {
                continue;
            }
            answered.insert(dialog);
            notes << TextOf(dialog) << ": " << TextOf(button) << std::endl;
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        Sleep(50);
    }
    return 0;
}
