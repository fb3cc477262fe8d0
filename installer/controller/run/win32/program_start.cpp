// Starting the script's programs, and waiting for them as the request's kind says while the
// engine's windows keep answering.
#include <windows.h>

#include <string>

#include "installer/controller/run/controller_services.h"
#include "installer/controller/run/win32/win32_machine.h"
#include "installer/controller/win32/pending_messages.h"

namespace aw {

namespace {

constexpr DWORD kPollMs = 100;

// Waits for the process, or for a tenth of a second, whichever comes first; true when it ended.
bool WaitAWhile(HANDLE process) {
    const DWORD count = process != nullptr ? 1 : 0;
    const DWORD woke = MsgWaitForMultipleObjects(count, &process, FALSE, kPollMs, QS_ALLINPUT);
    RunPendingMessages();
    return process != nullptr && woke == WAIT_OBJECT_0;
}

bool WindowThere(const ExecuteRequest& request) {
    const char* windowClass = request.WindowClass.empty() ? nullptr : request.WindowClass.c_str();
    const char* title = request.WindowTitle.empty() ? nullptr : request.WindowTitle.c_str();
    return FindWindowA(windowClass, title) != nullptr;
}

// The command line's first part (in double quotes when it has them) and the rest.
void SplitCommand(const std::string& line, std::string& file, std::string& parameters) {
    std::size_t end = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t quote = line.find('"', 1);
        file = line.substr(1, quote == std::string::npos ? std::string::npos : quote - 1);
        end = quote == std::string::npos ? line.size() : quote + 1;
    } else {
        end = std::min(line.find(' '), line.size());
        file = line.substr(0, end);
    }
    const std::size_t rest = line.find_first_not_of(' ', end);
    parameters = rest == std::string::npos ? std::string() : line.substr(rest);
}

HANDLE StartProcess(const ExecuteRequest& request) {
    if (request.ThroughShell != 0) {
        std::string file;
        std::string parameters;
        SplitCommand(request.CommandLine, file, parameters);
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpFile = file.c_str();
        info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
        info.nShow = request.ShowWindow;
        if (!ShellExecuteExA(&info)) {
            return INVALID_HANDLE_VALUE;
        }
        return info.hProcess;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(request.ShowWindow);
    PROCESS_INFORMATION process{};
    std::string line = request.CommandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return INVALID_HANDLE_VALUE;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

void WaitForExit(HANDLE process, ExecuteRequest& request) {
    // The engine steps back while the program works, but keeps its windows painted.
    HANDLE thread = GetCurrentThread();
    const int priority = GetThreadPriority(thread);
    SetThreadPriority(thread, THREAD_PRIORITY_LOWEST);
    while (!WaitAWhile(process)) {
    }
    SetThreadPriority(thread, priority);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    request.ExitCode = code;
}

// Until the window has come and gone; a program that ends without ever showing it ends the wait.
void WaitForWindow(HANDLE process, const ExecuteRequest& request) {
    bool ended = false;
    while (!WindowThere(request)) {
        if (ended) {
            return;
        }
        ended = WaitAWhile(process);
    }
    while (WindowThere(request)) {
        WaitAWhile(nullptr);
    }
}

}  // namespace

bool Win32Machine::Execute(ExecuteRequest& request) {
    HANDLE process = StartProcess(request);
    if (process == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (request.Kind == 1 && process != nullptr) {
        WaitForExit(process, request);
    } else if (request.Kind == 2) {
        WaitForWindow(process, request);
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
    return true;
}

}  // namespace aw
