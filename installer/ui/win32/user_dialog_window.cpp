#include "installer/ui/win32/user_dialog_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "installer/languages/resource_numbers.h"
#include "installer/languages/win32/language_library.h"
#include "installer/ui/win32/pictures.h"

namespace aw {
namespace {

// One open dialog window and what it shows.
struct DialogRun {
    DialogRun(const DialogDescription& shown, UserDialogHost& engine, HWND ownerWindow,
              bool isModal)
        : dialog(shown), host(engine), owner(ownerWindow), modal(isModal) {}

    const DialogDescription& dialog;
    UserDialogHost& host;
    HWND owner;
    bool modal;
    HWND window = nullptr;
    bool opened = false;
    bool hasClosingButton = false;
    // Per control: a file box whose whole file it shows and may write back.
    std::vector<bool> savesFile;
};

std::size_t ShownControls(const DialogDescription& dialog) {
    return std::min(dialog.Controls.size(), kMaxDialogControls);
}

// The start of a file as a file box shows it, and whether that is the whole file: a file
// that is longer than the box holds, or holds a zero byte, shows less than it has.
struct FileText {
    std::string Text;
    bool Whole = false;
};

FileText ReadFileText(const std::string& path) {
    FileText file;
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return file;
    }
    std::string bytes(kMaxFileBoxText + 1, '\0');
    DWORD read = 0;
    const BOOL ok =
        ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    if (!ok) {
        return file;
    }
    bytes.resize(read);
    file.Whole = bytes.size() <= kMaxFileBoxText && bytes.find('\0') == std::string::npos;
    file.Text = bytes.substr(0, std::min(bytes.find('\0'), kMaxFileBoxText));
    return file;
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return CloseHandle(handle) && ok && written == text.size();
}

// A free name in the file's directory, taken by an empty file the caller deletes or replaces.
std::string NameBeside(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash);
    char name[MAX_PATH] = "";
    return GetTempFileNameA(directory.c_str(), "awb", 0, name) != 0 ? std::string(name) : "";
}

// The text goes into a file beside the old one, and the old one is set aside until the new one
// has its name: a write that fails leaves the old file as it was.
bool WriteFileText(const std::string& path, const std::string& text) {
    const std::string written = NameBeside(path);
    if (written.empty()) {
        return false;
    }
    if (!WriteWholeFile(written, text)) {
        DeleteFileA(written.c_str());
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (MoveFileA(written.c_str(), path.c_str())) {
            return true;
        }
        DeleteFileA(written.c_str());
        return false;
    }
    const std::string aside = NameBeside(path);
    if (aside.empty() || !DeleteFileA(aside.c_str()) || !MoveFileA(path.c_str(), aside.c_str())) {
        DeleteFileA(written.c_str());
        return false;
    }
    if (MoveFileA(written.c_str(), path.c_str())) {
        SetFileAttributesA(path.c_str(), attributes);
        SetFileAttributesA(aside.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(aside.c_str())) {
            return true;
        }
        MoveFileA(path.c_str(), written.c_str());
    }
    MoveFileA(aside.c_str(), path.c_str());
    SetFileAttributesA(path.c_str(), attributes);
    DeleteFileA(written.c_str());
    return false;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct ControlWindow {
    const char* ClassName;
    DWORD Style;
};

// The window that each kind of control becomes; none for kinds outside 0..6.
std::optional<ControlWindow> WindowFor(DialogControlKind kind, bool readOnly) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case DialogControlKind::Text:
            return ControlWindow{"STATIC", kChild};
        case DialogControlKind::Picture:
            return ControlWindow{"BUTTON", kChild | WS_BORDER | BS_OWNERDRAW | WS_DISABLED};
        case DialogControlKind::TextBox:
            return ControlWindow{"EDIT",
                                 kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL};
        case DialogControlKind::List:
            return ControlWindow{"COMBOBOX",
                                 kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST};
        case DialogControlKind::EngineDialogButton:
        case DialogControlKind::ClosingButton:
            return ControlWindow{"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
        case DialogControlKind::FileBox:
            return ControlWindow{"EDIT", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                                             ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                             ES_WANTRETURN | (readOnly ? ES_READONLY : 0)};
    }
    return std::nullopt;
}

void FillList(HWND list, const DialogControlDescription& control) {
    const std::vector<std::string> items = LabelLines(control.Label);
    for (const std::string& item : items) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    if (control.IntegerBinding != nullptr) {
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(*control.IntegerBinding), 0);
    }
    // The height the script gives is the closed list's; the list opens below it with room
    // for up to eight items.
    const auto itemHeight = static_cast<int>(SendMessageA(list, CB_GETITEMHEIGHT, 0, 0));
    RECT place;
    GetWindowRect(list, &place);
    const int shown = std::min<int>(static_cast<int>(items.size()), 8);
    SetWindowPos(list, nullptr, 0, 0, place.right - place.left,
                 place.bottom - place.top + itemHeight * shown + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(DialogRun& run, const DialogCells& cells) {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(run.window, WM_GETFONT, 0, 0));
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(run.window, GWLP_HINSTANCE));
    run.savesFile.assign(ShownControls(run.dialog), false);
    for (std::size_t i = 0; i < ShownControls(run.dialog); ++i) {
        const DialogControlDescription& control = run.dialog.Controls[i];
        std::string text;
        bool readOnly = control.ReadOnly();
        switch (control.KindOf()) {
            case DialogControlKind::Text:
            case DialogControlKind::ClosingButton:
                text = control.MainText;
                run.hasClosingButton |= control.KindOf() == DialogControlKind::ClosingButton;
                break;
            case DialogControlKind::TextBox:
                if (control.TextBinding != nullptr) {
                    text = control.TextBinding->Text();
                }
                break;
            case DialogControlKind::EngineDialogButton:
                text = LibraryText(run.host.ResourceInstance(), AW_TXT_ENGINE_DIALOG_BUTTON);
                break;
            case DialogControlKind::FileBox: {
                FileText file = ReadFileText(control.FilePath);
                text = std::move(file.Text);
                // What the box cannot show whole it must never write back over the file.
                readOnly = readOnly || !file.Whole;
                run.savesFile[i] = !readOnly;
                break;
            }
            default:
                break;
        }
        const auto kind = WindowFor(control.KindOf(), readOnly);
        if (!kind) {
            continue;
        }
        const PixelRect place = ControlPlace(control, cells);
        const HWND child = CreateWindowExA(
            0, kind->ClassName, text.c_str(), kind->Style, place.Left, place.Top, place.Width,
            place.Height, run.window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstDialogControlId + i)), instance,
            nullptr);
        if (child == nullptr) {
            continue;
        }
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        run.host.PrepareControl(child);
        if (control.KindOf() == DialogControlKind::List) {
            FillList(child, control);
        } else if (control.KindOf() == DialogControlKind::FileBox) {
            SendMessageA(child, EM_LIMITTEXT, 0, 0);
        }
    }
}

void Initialise(DialogRun& run) {
    RECT frame;
    GetClientRect(run.window, &frame);
    const DialogCells cells({frame.right, frame.bottom});

    PixelSize ownerClient{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (run.owner != nullptr) {
        RECT client;
        GetClientRect(run.owner, &client);
        ownerClient = {client.right, client.bottom};
    }
    const PixelPoint centre = DialogCentre(run.dialog, ownerClient);
    POINT onScreen{centre.X, centre.Y};
    if (run.owner != nullptr) {
        ClientToScreen(run.owner, &onScreen);
    }
    const PixelSize client = cells.Size(run.dialog.Values[2], run.dialog.Values[3]);
    RECT window{0, 0, client.Width, client.Height};
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongPtrA(run.window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(run.window, GWL_EXSTYLE)));
    const PixelRect place = CentredOn({onScreen.x, onScreen.y},
                                      {window.right - window.left, window.bottom - window.top});
    MoveWindow(run.window, place.Left, place.Top, place.Width, place.Height, FALSE);

    SetWindowTextA(run.window, run.dialog.Caption.c_str());
    if (const HMENU menu = GetSystemMenu(run.window, FALSE)) {
        DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    }
    CreateControls(run, cells);
    // A billboard shows itself without taking the focus from the window in use.
    const HWND first = run.modal ? GetNextDlgTabItem(run.window, nullptr, FALSE) : nullptr;
    if (first != nullptr) {
        SetFocus(first);
    }
}

void WriteBack(const DialogRun& run) {
    for (std::size_t i = 0; i < ShownControls(run.dialog); ++i) {
        const DialogControlDescription& control = run.dialog.Controls[i];
        const HWND child = GetDlgItem(run.window, static_cast<int>(kFirstDialogControlId + i));
        if (child == nullptr) {
            continue;
        }
        if (control.KindOf() == DialogControlKind::TextBox && control.TextBinding != nullptr) {
            control.TextBinding->Assign(TextBoxValue(WindowText(child)));
        } else if (control.KindOf() == DialogControlKind::List &&
                   control.IntegerBinding != nullptr) {
            *control.IntegerBinding =
                static_cast<std::int32_t>(SendMessageA(child, CB_GETCURSEL, 0, 0));
        } else if (run.savesFile[i]) {
            WriteFileText(control.FilePath, WindowText(child));
        }
    }
}

void Close(const DialogRun& run, int value) {
    if (run.modal) {
        EndDialog(run.window, value);
    } else {
        DestroyWindow(run.window);
    }
}

void OnCommand(const DialogRun& run, int id, int notification) {
    const std::size_t index = static_cast<std::size_t>(id - kFirstDialogControlId);
    if (id >= kFirstDialogControlId && index < ShownControls(run.dialog) &&
        notification == BN_CLICKED) {
        const DialogControlDescription& control = run.dialog.Controls[index];
        if (control.KindOf() == DialogControlKind::ClosingButton) {
            if (WritesBack(control.ClosingValue())) {
                WriteBack(run);
            }
            Close(run, control.ClosingValue());
        } else if (control.KindOf() == DialogControlKind::EngineDialogButton) {
            run.host.RunEngineDialog(GetActiveWindow());
        }
    } else if (id == IDCANCEL && run.modal && !run.hasClosingButton) {
        Close(run, -1);
    }
}

void DrawPicture(const DialogRun& run, const DRAWITEMSTRUCT& item) {
    const std::size_t index = item.CtlID - kFirstDialogControlId;
    if (item.CtlID < kFirstDialogControlId || index >= ShownControls(run.dialog)) {
        return;
    }
    LoadedBitmap picture;
    if (picture.Load(FixedTextValue(run.dialog.Controls[index].Picture.File))) {
        const RECT& r = item.rcItem;
        picture.DrawStretched(item.hDC, {r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
}

INT_PTR Answer(HWND window, LRESULT result) {
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* run = reinterpret_cast<DialogRun*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        run->window = window;
        run->opened = true;
        Initialise(*run);
        return FALSE;
    }
    auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrA(window, DWLP_USER));
    if (run == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kReportValueCommand) {
                return Answer(window, run->dialog.ReportedValue());
            }
            OnCommand(*run, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DRAWITEM:
            DrawPicture(*run, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_QUERYNEWPALETTE:
            return Answer(window, 0);
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) != window) {
                InvalidateRect(window, nullptr, TRUE);
            }
            return TRUE;
        case WM_NCDESTROY:
            run->window = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<int> RunUserDialog(HWND owner, const DialogDescription& dialog,
                                 UserDialogHost& host) {
    DialogRun run(dialog, host, owner, true);
    const INT_PTR result = DialogBoxParamA(host.ResourceInstance(), UserDialogTemplate(dialog),
                                           owner, DialogProc, reinterpret_cast<LPARAM>(&run));
    if (!run.opened) {
        return std::nullopt;
    }
    return static_cast<int>(result);
}

struct Billboard::Shown {
    Shown(const DialogDescription& description, UserDialogHost& host, HWND owner)
        : dialog(description), run(dialog, host, owner, false) {}
    DialogDescription dialog;
    DialogRun run;
};

Billboard::Billboard() = default;

Billboard::~Billboard() {
    Close();
}

bool Billboard::Show(HWND owner, const DialogDescription& dialog, UserDialogHost& host) {
    Close();
    shown_ = std::make_unique<Shown>(dialog, host, owner);
    if (CreateDialogParamA(host.ResourceInstance(), UserDialogTemplate(dialog), owner, DialogProc,
                           reinterpret_cast<LPARAM>(&shown_->run)) == nullptr) {
        shown_.reset();
        return false;
    }
    ShowWindow(shown_->run.window, SW_SHOWNOACTIVATE);
    UpdateWindow(shown_->run.window);
    return true;
}

void Billboard::Close() {
    if (shown_ && shown_->run.window != nullptr) {
        DestroyWindow(shown_->run.window);
    }
    shown_.reset();
}

HWND Billboard::Window() const {
    return shown_ ? shown_->run.window : nullptr;
}

}  // namespace aw
