#include "installer/oplog/win32/win32_undo_user.h"

#include <algorithm>
#include <cstdio>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"

namespace aw {

namespace {

constexpr std::size_t kLongestMessage = 512;

struct TwoButtons {
    const std::string* Text;
    const std::string* Title;
    const std::string* First;
    const std::string* Second;
};

INT_PTR CALLBACK TwoButtonProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* buttons = reinterpret_cast<const TwoButtons*>(lParam);
        SetWindowTextA(dialog, buttons->Title->c_str());
        SetDlgItemTextA(dialog, AW_ID_MESSAGE_TEXT, buttons->Text->c_str());
        SetDlgItemTextA(dialog, IDYES, buttons->First->c_str());
        SetDlgItemTextA(dialog, IDNO, buttons->Second->c_str());
        ShowWindow(GetDlgItem(dialog, AW_ID_QUESTION_THIRD), SW_HIDE);
        SendDlgItemMessageA(dialog, AW_ID_MESSAGE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDYES || LOWORD(wParam) == IDNO)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK QuitProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SendDlgItemMessageA(dialog, AW_ID_MESSAGE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const WORD id = LOWORD(wParam);
        if (id == AW_ID_QUIT_FINISH || id == AW_ID_QUIT_BACK_OUT || id == IDCANCEL) {
            EndDialog(dialog, id);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

std::string Win32UndoUser::Text(std::uint32_t number) {
    return LibraryText(texts_.Library, number);
}

bool Win32UndoUser::AskYesNo(const std::string& text, const std::string& title) {
    return MessageBoxA(texts_.Owner, text.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
}

bool Win32UndoUser::AskTwoButtons(const std::string& text, const std::string& title,
                                  const std::string& first, const std::string& second) {
    TwoButtons buttons{&text, &title, &first, &second};
    return DialogBoxParamA(texts_.Library, "DLGQUESTION", texts_.Owner, TwoButtonProc,
                           reinterpret_cast<LPARAM>(&buttons)) == IDNO;
}

QuitAnswer Win32UndoUser::AskQuit() {
    switch (DialogBoxParamA(texts_.Library, "DLGUNDOASKQUIT", texts_.Owner, QuitProc, 0)) {
        case AW_ID_QUIT_FINISH:
            return QuitAnswer::Finish;
        case AW_ID_QUIT_BACK_OUT:
            return QuitAnswer::BackOut;
        default:
            return QuitAnswer::Stay;
    }
}

bool UnattendedUndoUser::AskYesNo(const std::string& text, const std::string&) {
    std::string question = text;
    std::replace(question.begin(), question.end(), '\n', ' ');
    std::fprintf(stderr, "awmain: %s No\n", question.c_str());
    std::fflush(stderr);
    return false;
}

void Win32UninstallReport::ReportError(const std::string& message) {
    const std::string shown = message.substr(0, kLongestMessage);
    if (unattended_) {
        std::fprintf(stderr, "awmain: %s\n", shown.c_str());
        std::fflush(stderr);
    } else {
        MessageBoxA(nullptr, shown.c_str(), nullptr, MB_OK | MB_ICONERROR);
    }
}

void Win32UninstallReport::CheckFailed(const char* unit, int line) {
    char text[kLongestMessage];
    std::snprintf(text, sizeof text, "Check failed at line %d in file %s", line, unit);
    ReportError(text);
}

}  // namespace aw
