#include "installer/oplog/win32/uninstall_dialog.h"

#include <string>

#include "installer/languages/resource_numbers.h"
#include "installer/oplog/uninstall/record_details.h"
#include "installer/oplog/uninstall/uninstall_controller.h"
#include "installer/ui/win32/percentage_bar_window.h"

namespace aw {

namespace {

// One run of the dialog: the window's handlers and the pass's observer.
class UndoDialog : public UndoObserver {
  public:
    UndoDialog(UninstallController& controller, LibraryTexts& texts, std::int32_t style)
        : controller_(controller), texts_(texts), style_(style) {}
    ~UndoDialog() override {
        if (fixedFont_ != nullptr) {
            DeleteObject(fixedFont_);
        }
    }
    UndoDialog(const UndoDialog&) = delete;
    UndoDialog& operator=(const UndoDialog&) = delete;

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    bool WantsConfirmation() override { return true; }
    bool CanClose() override { return true; }
    void Begin() override;
    void End() override;
    void BeforeRecord(std::size_t n) override;
    void AfterRecord(std::size_t n) override;

  private:
    void Initialise(HWND dialog);
    void Command(WORD id, WORD code);
    std::string Text(std::uint32_t number) { return LibraryText(texts_.Library, number); }
    // Newest first: the list's first line is the last record.
    int LineOf(std::size_t n) const {
        return static_cast<int>(controller_.Records().size() - 1 - n);
    }
    std::size_t RecordOf(int line) const {
        return controller_.Records().size() - 1 - static_cast<std::size_t>(line);
    }
    std::string LineText(std::size_t n);
    void RefreshLine(std::size_t n);
    void ShowDetails();
    void TakeSelection();
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    UninstallController& controller_;
    LibraryTexts& texts_;
    std::int32_t style_;
    HWND dialog_ = nullptr;
    HFONT fixedFont_ = nullptr;
    std::size_t toDo_ = 0;
    std::size_t done_ = 0;
};

INT_PTR CALLBACK UndoDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<UndoDialog*>(lParam)->Initialise(dialog);
        return TRUE;
    }
    auto* self = reinterpret_cast<UndoDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_COMMAND) {
        self->Command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (message == WM_CLOSE) {
        self->Command(IDCANCEL, 0);
        return TRUE;
    }
    return FALSE;
}

void UndoDialog::Initialise(HWND dialog) {
    dialog_ = dialog;
    texts_.Owner = dialog;
    SetDlgItemTextA(dialog, AW_ID_UNDO_PRODUCT, controller_.ProductName().c_str());
    SetDlgItemTextA(dialog, AW_ID_UNDO_START, Text(AW_TXT_UNDO_START).c_str());
    if (HWND details = Item(AW_ID_UNDO_DETAILS)) {
        fixedFont_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FIXED_PITCH | FF_MODERN, "Courier New");
        SendMessageA(details, WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont_), TRUE);
    }
    HWND list = Item(AW_ID_UNDO_RECORDS);
    if (list == nullptr) {
        return;
    }
    const std::size_t count = controller_.Records().size();
    for (std::size_t line = 0; line < count; ++line) {
        const std::size_t n = count - 1 - line;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LineText(n).c_str()));
        if (style_ == 2 && controller_.Records()[n].State == RecordState::WillUndo) {
            SendMessageA(list, LB_SETSEL, TRUE, static_cast<LPARAM>(line));
        }
    }
    if (style_ != 2 && count > 0) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        ShowDetails();
    }
}

std::string UndoDialog::LineText(std::size_t n) {
    const LogRecord& record = controller_.Records()[n];
    return Text(AW_TXT_RECORD_KIND + static_cast<std::uint32_t>(record.Kind())) + " - " +
           Text(static_cast<std::uint32_t>(StateTextNumber(record.State)));
}

void UndoDialog::RefreshLine(std::size_t n) {
    HWND list = Item(AW_ID_UNDO_RECORDS);
    if (list == nullptr) {
        return;
    }
    const int line = LineOf(n);
    const LRESULT selected = SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(line), 0);
    const LRESULT current = SendMessageA(list, LB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(LineText(n).c_str()));
    if (style_ == 2) {
        SendMessageA(list, LB_SETSEL, selected > 0, static_cast<LPARAM>(line));
    } else if (current == line) {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    }
}

void UndoDialog::ShowDetails() {
    const LRESULT line = SendMessageA(Item(AW_ID_UNDO_RECORDS), LB_GETCURSEL, 0, 0);
    std::string text;
    if (line != LB_ERR && Item(AW_ID_UNDO_DETAILS) != nullptr) {
        for (const std::string& detail :
             RecordDetailLines(controller_.Records()[RecordOf(static_cast<int>(line))])) {
            text += detail + "\r\n";
        }
        SetDlgItemTextA(dialog_, AW_ID_UNDO_DETAILS, text.c_str());
    }
}

// The selection view undoes the lines chosen and keeps the others.
void UndoDialog::TakeSelection() {
    HWND list = Item(AW_ID_UNDO_RECORDS);
    for (std::size_t n = 0; n < controller_.Records().size(); ++n) {
        const bool chosen = SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(LineOf(n)), 0) > 0;
        if (controller_.SetKept(n, !chosen)) {
            RefreshLine(n);
        }
    }
}

void UndoDialog::Command(WORD id, WORD code) {
    switch (id) {
        case AW_ID_UNDO_START:
            if (style_ == 2 && !controller_.PassRan() && controller_.State() != RunState::Running) {
                TakeSelection();
            }
            controller_.StartCommand(*this);
            break;
        case AW_ID_UNDO_SWITCH:
            if (controller_.State() != RunState::Running) {
                EndDialog(dialog_, kDialogSwitch);
            }
            break;
        case AW_ID_UNDO_TOGGLE: {
            const LRESULT line = SendMessageA(Item(AW_ID_UNDO_RECORDS), LB_GETCURSEL, 0, 0);
            if (line != LB_ERR) {
                const std::size_t n = RecordOf(static_cast<int>(line));
                const bool kept = controller_.Records()[n].State == RecordState::WillUndo;
                if (controller_.SetKept(n, kept)) {
                    RefreshLine(n);
                }
            }
            break;
        }
        case AW_ID_UNDO_RECORDS:
            if (code == LBN_SELCHANGE) {
                ShowDetails();
            }
            break;
        case IDCANCEL:
            if (const std::optional<DialogEnd> end = controller_.CloseCommand(*this)) {
                EndDialog(dialog_, *end == DialogEnd::Done ? kDialogDone : kDialogCancelled);
            }
            break;
        default:
            break;
    }
}

void UndoDialog::Begin() {
    SetDlgItemTextA(dialog_, AW_ID_UNDO_START, Text(AW_TXT_UNDO_STOP).c_str());
    SetDlgItemTextA(dialog_, AW_ID_UNDO_STATUS, "");
    EnableWindow(Item(AW_ID_UNDO_SWITCH), FALSE);
    EnableWindow(Item(AW_ID_UNDO_TOGGLE), FALSE);
    toDo_ = 0;
    done_ = 0;
    for (const LogRecord& record : controller_.Records()) {
        toDo_ += record.State == RecordState::WillUndo ? 1 : 0;
    }
    SendDlgItemMessageA(dialog_, AW_ID_UNDO_PROGRESS, kBarSetValue, 0, 0);
}

void UndoDialog::End() {
    const bool completed = controller_.State() == RunState::Completed;
    SetDlgItemTextA(dialog_, AW_ID_UNDO_STATUS,
                    Text(completed ? AW_TXT_UNDO_COMPLETED : AW_TXT_UNDO_STOPPED).c_str());
    SetDlgItemTextA(dialog_, AW_ID_UNDO_START, Text(AW_TXT_UNDO_START).c_str());
    EnableWindow(Item(AW_ID_UNDO_SWITCH), TRUE);
    EnableWindow(Item(AW_ID_UNDO_START), controller_.RecordsLeft() > 0 && !completed);
}

void UndoDialog::BeforeRecord(std::size_t n) {
    if (style_ != 2 && Item(AW_ID_UNDO_RECORDS) != nullptr) {
        SendDlgItemMessageA(dialog_, AW_ID_UNDO_RECORDS, LB_SETCURSEL,
                            static_cast<WPARAM>(LineOf(n)), 0);
        ShowDetails();
    }
}

void UndoDialog::AfterRecord(std::size_t n) {
    RefreshLine(n);
    ++done_;
    const std::size_t percent = toDo_ == 0 ? 100 : done_ * 100 / toDo_;
    SendDlgItemMessageA(dialog_, AW_ID_UNDO_PROGRESS, kBarSetValue, percent, 0);
}

}  // namespace

const char* UndoDialogTemplate(std::int32_t style) {
    switch (style) {
        case 1:
            return "DLGUNDOMAINADV";
        case 2:
            return "DLGUNDOMAINSLT";
        default:
            return "DLGUNDOMAINSIM";
    }
}

bool Win32UninstallView::LoadLanguage(const std::string& path) {
    library_ = LanguageLibrary(path);
    texts_.Library = library_.Instance();
    return library_.Loaded() && RegisterPercentageBar();
}

void Win32UninstallView::FreeLanguage() {
    texts_.Library = nullptr;
    library_ = LanguageLibrary();
}

DialogEnd Win32UninstallView::RunDialog(std::int32_t style, UninstallController& controller) {
    UndoDialog dialog(controller, texts_, style);
    const INT_PTR result = DialogBoxParamA(library_.Instance(), UndoDialogTemplate(style), nullptr,
                                           UndoDialog::Proc, reinterpret_cast<LPARAM>(&dialog));
    texts_.Owner = nullptr;
    switch (result) {
        case kDialogDone:
            return DialogEnd::Done;
        case kDialogSwitch:
            return DialogEnd::SwitchView;
        default:
            return DialogEnd::Cancelled;
    }
}

}  // namespace aw
