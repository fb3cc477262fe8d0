// The engine's message, question, error and disk dialogs from the language library's
// templates, the system's message box while no library is loaded, and the dialogs that ask the
// user for texts and for the choice between two files.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "installer/controller/run/win32/win32_controller_windows.h"
#include "installer/languages/resource_numbers.h"

namespace aw {

namespace {

struct BoxRun {
    const Box& Shown;
    HICON Icon;
    std::vector<int> Buttons;
};

const char* TemplateName(BoxTemplate kind) {
    switch (kind) {
        case BoxTemplate::Question:
            return "DLGQUESTION";
        case BoxTemplate::Error:
            return "DLGERROR";
        case BoxTemplate::InsertDisk:
            return "DLGINSERTDISK";
        default:
            return "DLGMESSAGE";
    }
}

// The templates' buttons, first to last.
std::vector<int> TemplateButtons(BoxTemplate kind) {
    switch (kind) {
        case BoxTemplate::Question:
            return {IDYES, IDNO, AW_ID_QUESTION_THIRD};
        case BoxTemplate::Error:
            return {IDOK};
        default:
            return {IDOK, IDCANCEL};
    }
}

void InitialiseBox(HWND window, BoxRun& run) {
    const Box& box = run.Shown;
    if (!box.Title.empty()) {
        SetWindowTextA(window, box.Title.c_str());
    }
    SetDlgItemTextA(window, AW_ID_MESSAGE_TEXT, box.Text.c_str());
    if (run.Icon != nullptr) {
        SendDlgItemMessageA(window, AW_ID_MESSAGE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(run.Icon), 0);
    }
    for (std::size_t i = 0; i < run.Buttons.size(); ++i) {
        HWND button = GetDlgItem(window, run.Buttons[i]);
        if (i < box.Buttons.size()) {
            SetWindowTextA(button, box.Buttons[i].c_str());
        } else {
            ShowWindow(button, SW_HIDE);
        }
    }
    const std::size_t chosen =
        std::min<std::size_t>(static_cast<std::size_t>(box.Default), run.Buttons.size() - 1);
    SendMessageA(window, DM_SETDEFID, static_cast<WPARAM>(run.Buttons[chosen]), 0);
    SetFocus(GetDlgItem(window, run.Buttons[chosen]));
}

INT_PTR CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = reinterpret_cast<BoxRun*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        InitialiseBox(window, *reinterpret_cast<BoxRun*>(lParam));
        return FALSE;
    }
    if (message != WM_COMMAND || run == nullptr) {
        return FALSE;
    }
    const int id = LOWORD(wParam);
    const std::size_t shown = std::min(run->Buttons.size(), run->Shown.Buttons.size());
    for (std::size_t i = 0; i < shown; ++i) {
        if (run->Buttons[i] == id) {
            EndDialog(window, static_cast<INT_PTR>(i));
            return TRUE;
        }
    }
    // Escape and the close box answer the last button.
    if (id == IDCANCEL) {
        EndDialog(window, static_cast<INT_PTR>(shown == 0 ? 0 : shown - 1));
        return TRUE;
    }
    return FALSE;
}

std::int32_t PlainAnswer(int pressed) {
    return pressed == IDOK || pressed == IDYES || pressed == IDRETRY ? 0 : 1;
}

std::string ItemText(HWND window, int id) {
    std::array<char, 1024> text{};
    GetDlgItemTextA(window, id, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// A dialog whose closing buttons are OK and Cancel, filled and read by the given steps.
template <typename Fill, typename Read>
struct TextDialog {
    Fill Filling;
    Read Reading;
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* dialog = reinterpret_cast<TextDialog*>(GetWindowLongPtrA(window, DWLP_USER));
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            reinterpret_cast<TextDialog*>(lParam)->Filling(window);
            return TRUE;
        }
        if (message == WM_COMMAND && dialog != nullptr) {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                dialog->Reading(window);
            }
            if (id == IDOK || id == IDCANCEL || id == IDYES || id == IDNO) {
                EndDialog(window, id);
                return TRUE;
            }
        }
        return FALSE;
    }
};

template <typename Fill, typename Read>
INT_PTR RunTextDialog(HINSTANCE library, const char* name, HWND owner, Fill fill, Read read) {
    TextDialog<Fill, Read> dialog{fill, read};
    return DialogBoxParamA(library, name, owner, TextDialog<Fill, Read>::Proc,
                           reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace

void Win32ControllerWindows::TellUnattended(const std::string& message) {
    std::string line = message;
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::fprintf(stderr, "awmain: %s\n", line.c_str());
    std::fflush(stderr);
}

std::int32_t Win32ControllerWindows::ShowBox(const Box& box) {
    // A question about a file stands beside the progress window that names that file.
    ShowPendingLines();
    // Plain boxes stand for the engine while it has no library and so no screen: no owner.
    if (box.Template == BoxTemplate::Plain || !library_.Loaded()) {
        const char* title = box.Title.empty() ? nullptr : box.Title.c_str();
        return PlainAnswer(
            MessageBoxA(nullptr, box.Text.c_str(), title, box.PlainStyle | MB_SETFOREGROUND));
    }
    BoxRun run{box, icon_, TemplateButtons(box.Template)};
    const INT_PTR answer = DialogBoxParamA(library_.Instance(), TemplateName(box.Template), Owner(),
                                           BoxProc, reinterpret_cast<LPARAM>(&run));
    return answer < 0 ? box.Default : static_cast<std::int32_t>(answer);
}

bool Win32ControllerWindows::Prompt(PromptRequest& request) {
    const bool limited = request.Ints[1] == 1 && request.Ints[3] != 0 && request.MaxLength > 0;
    const WPARAM limit = static_cast<WPARAM>(limited ? std::min(request.MaxLength, 255) : 255);
    auto fill = [&](HWND window) {
        if (!request.Caption.empty()) {
            SetWindowTextA(window, request.Caption.c_str());
        }
        SetDlgItemTextA(window, AW_ID_PROMPT_TEXT, request.Prompt.c_str());
        SendDlgItemMessageA(window, AW_ID_PROMPT_EDIT, EM_LIMITTEXT, limit, 0);
        SetDlgItemTextA(window, AW_ID_PROMPT_EDIT, request.Initial.c_str());
    };
    auto read = [&](HWND window) { request.Answer = ItemText(window, AW_ID_PROMPT_EDIT); };
    return RunTextDialog(library_.Instance(), "DLGPROMPT", Owner(), fill, read) == IDOK;
}

bool Win32ControllerWindows::AskUserInfo(UserInfoRequest& request) {
    auto fill = [&](HWND window) {
        for (int i = 0; i < 6; ++i) {
            HWND edit = GetDlgItem(window, AW_ID_USER_INFO_FIRST_EDIT + i);
            SetWindowTextA(edit, request.Values[i].c_str());
            EnableWindow(edit, request.Wanted[i] ? TRUE : FALSE);
        }
    };
    auto read = [&](HWND window) {
        for (int i = 0; i < 6; ++i) {
            if (request.Wanted[i]) {
                request.Values[i] = ItemText(window, AW_ID_USER_INFO_FIRST_EDIT + i);
            }
        }
    };
    return RunTextDialog(library_.Instance(), "DLGUSERINFO", Owner(), fill, read) == IDOK;
}

OverwriteChoice Win32ControllerWindows::AskOverwrite(const std::string& existingFile,
                                                     const std::string& newFile) {
    ShowPendingLines();
    auto fill = [&](HWND window) {
        SetDlgItemTextA(window, AW_ID_AOW_OLD_NAME, existingFile.c_str());
        SetDlgItemTextA(window, AW_ID_AOW_NEW_NAME, newFile.c_str());
    };
    auto read = [](HWND) {};
    switch (RunTextDialog(library_.Instance(), "DLGAOW", Owner(), fill, read)) {
        case IDYES:
            return OverwriteChoice::Install;
        case IDNO:
            return OverwriteChoice::Keep;
        default:
            return OverwriteChoice::Cancel;
    }
}

}  // namespace aw
