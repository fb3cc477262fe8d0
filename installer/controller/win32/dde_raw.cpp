#include "installer/controller/win32/dde_raw.h"

#include <dde.h>

#include <cstring>

namespace aw {

namespace {

constexpr char kWindowClass[] = "AWDDEHiddenWindowClass";
constexpr char kProgramManager[] = "PROGMAN";
constexpr int kInitiateAttempts = 10;
constexpr DWORD kPauseBetweenAttempts = 100;
constexpr DWORD kStartWait = 10000;

bool RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void RunPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

DdeRawChannel::DdeRawChannel(const OsRecord& os, DWORD replyMilliseconds)
    : os_(os), replyMilliseconds_(replyMilliseconds) {
    if (!RegisterWindowClass(&WindowProcedure)) {
        return;
    }
    window_ = CreateWindowA(kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

DdeRawChannel::~DdeRawChannel() {
    Disconnect(false);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK DdeRawChannel::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    auto* channel = reinterpret_cast<DdeRawChannel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const auto from = reinterpret_cast<HWND>(wParam);
    if (channel == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_DDE_ACK:
            channel->OnAcknowledgement(from, lParam);
            return 0;
        case WM_DDE_DATA:
            channel->OnData(from, lParam);
            return 0;
        case WM_DDE_TERMINATE:
            channel->OnTerminate(from);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void DdeRawChannel::OnAcknowledgement(HWND from, LPARAM lParam) {
    if (waiting_ == Waiting::Server) {
        // Answers to the initiate carry the application and topic atoms, not packed.
        GlobalDeleteAtom(LOWORD(lParam));
        GlobalDeleteAtom(HIWORD(lParam));
        if (server_ == nullptr) {
            server_ = from;
            waiting_ = Waiting::Nothing;
        } else if (from != server_) {
            PostMessageA(from, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
        }
        return;
    }
    UINT_PTR status = 0;
    UINT_PTR carried = 0;
    UnpackDDElParam(WM_DDE_ACK, lParam, &status, &carried);
    FreeDDElParam(WM_DDE_ACK, lParam);
    if (from != server_) {
        return;
    }
    const bool positive = (status & 0x8000) != 0;
    if (waiting_ == Waiting::Acknowledgement && carried == reinterpret_cast<UINT_PTR>(command_)) {
        GlobalFree(command_);
        command_ = nullptr;
        positive_ = positive;
        waiting_ = Waiting::Nothing;
    } else if (waiting_ == Waiting::Data && carried == item_ && !positive) {
        GlobalDeleteAtom(item_);
        item_ = 0;
        positive_ = false;
        waiting_ = Waiting::Nothing;
    }
}

void DdeRawChannel::OnData(HWND from, LPARAM lParam) {
    UINT_PTR handle = 0;
    UINT_PTR atom = 0;
    UnpackDDElParam(WM_DDE_DATA, lParam, &handle, &atom);
    FreeDDElParam(WM_DDE_DATA, lParam);
    const auto memory = reinterpret_cast<HGLOBAL>(handle);
    auto* data = static_cast<DDEDATA*>(GlobalLock(memory));
    if (data == nullptr) {
        GlobalDeleteAtom(static_cast<ATOM>(atom));
        return;
    }
    const bool acknowledge = data->fAckReq != 0;
    const bool release = data->fRelease != 0;
    if (from == server_ && waiting_ == Waiting::Data && data->cfFormat == CF_TEXT) {
        const SIZE_T size = GlobalSize(memory);
        const SIZE_T offset = offsetof(DDEDATA, Value);
        const auto* text = reinterpret_cast<const char*>(data->Value);
        data_.assign(text, size > offset ? strnlen(text, size - offset) : 0);
        positive_ = true;
        waiting_ = Waiting::Nothing;
    }
    GlobalUnlock(memory);
    if (acknowledge) {
        PostMessageA(from, WM_DDE_ACK, reinterpret_cast<WPARAM>(window_),
                     PackDDElParam(WM_DDE_ACK, 0x8000, atom));
    } else {
        GlobalDeleteAtom(static_cast<ATOM>(atom));
    }
    if (release) {
        GlobalFree(memory);
    }
    if (atom == item_) {
        item_ = 0;
    }
}

void DdeRawChannel::OnTerminate(HWND from) {
    if (from != server_) {
        return;
    }
    if (waiting_ != Waiting::Termination) {
        // The server ended the conversation by itself: answer, and fail what was awaited.
        PostMessageA(from, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
        positive_ = false;
    }
    server_ = nullptr;
    waiting_ = Waiting::Nothing;
}

bool DdeRawChannel::WaitForReply() {
    const DWORD start = GetTickCount();
    while (waiting_ != Waiting::Nothing) {
        const DWORD passed = GetTickCount() - start;
        if (passed >= replyMilliseconds_) {
            waiting_ = Waiting::Nothing;
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, replyMilliseconds_ - passed, QS_ALLINPUT);
        RunPendingMessages();
    }
    return true;
}

bool DdeRawChannel::Initiate() {
    const ATOM application = GlobalAddAtomA(kProgramManager);
    const ATOM topic = GlobalAddAtomA(kProgramManager);
    for (int attempt = 0; attempt < kInitiateAttempts && server_ == nullptr; ++attempt) {
        if (attempt > 0) {
            Sleep(kPauseBetweenAttempts);
            RunPendingMessages();
        }
        waiting_ = Waiting::Server;
        SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(window_),
                            MAKELPARAM(application, topic), SMTO_ABORTIFHUNG, replyMilliseconds_,
                            nullptr);
        waiting_ = Waiting::Nothing;
    }
    GlobalDeleteAtom(application);
    GlobalDeleteAtom(topic);
    return server_ != nullptr;
}

void DdeRawChannel::SetProgramManagerWindow(int showCommand) {
    if (const HWND window = FindWindowA(kProgramManager, nullptr); window != nullptr) {
        ShowWindow(window, showCommand);
    }
}

bool DdeRawChannel::Connect(bool mayStartProgramManager) {
    if (window_ == nullptr) {
        return false;
    }
    if (server_ == nullptr && !Initiate() && mayStartProgramManager) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        char command[] = "progman.exe";
        if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process)) {
            WaitForInputIdle(process.hProcess, kStartWait);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            Initiate();
        }
    }
    if (server_ != nullptr && !os_.ShellNotProgramManager) {
        SetProgramManagerWindow(SW_SHOWMINNOACTIVE);
    }
    return server_ != nullptr;
}

void DdeRawChannel::Disconnect(bool closeProgramManager) {
    if (server_ == nullptr) {
        return;
    }
    waiting_ = Waiting::Termination;
    if (PostMessageA(server_, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0)) {
        WaitForReply();
    }
    server_ = nullptr;
    waiting_ = Waiting::Nothing;
    if (closeProgramManager) {
        if (const HWND window = FindWindowA(kProgramManager, nullptr); window != nullptr) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    } else if (!os_.ShellNotProgramManager) {
        SetProgramManagerWindow(SW_RESTORE);
    }
}

bool DdeRawChannel::Execute(const std::string& command) {
    if (server_ == nullptr) {
        return false;
    }
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, command.size() + 1);
    if (memory == nullptr) {
        return false;
    }
    std::memcpy(GlobalLock(memory), command.c_str(), command.size() + 1);
    GlobalUnlock(memory);
    command_ = memory;
    positive_ = false;
    waiting_ = Waiting::Acknowledgement;
    if (!PostMessageA(server_, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(window_),
                      reinterpret_cast<LPARAM>(memory))) {
        GlobalFree(memory);
        command_ = nullptr;
        waiting_ = Waiting::Nothing;
        return false;
    }
    return WaitForReply() && positive_;
}

std::optional<std::string> DdeRawChannel::Request(const std::string& item) {
    if (server_ == nullptr) {
        return std::nullopt;
    }
    item_ = GlobalAddAtomA(item.c_str());
    positive_ = false;
    data_.clear();
    waiting_ = Waiting::Data;
    if (item_ == 0 || !PostMessageA(server_, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(window_),
                                    MAKELPARAM(CF_TEXT, item_))) {
        if (item_ != 0) {
            GlobalDeleteAtom(item_);
        }
        item_ = 0;
        waiting_ = Waiting::Nothing;
        return std::nullopt;
    }
    if (!WaitForReply() || !positive_) {
        return std::nullopt;
    }
    return data_;
}

}  // namespace aw
