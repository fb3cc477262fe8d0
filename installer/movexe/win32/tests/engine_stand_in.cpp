// Stands in for the installer engine that hands over to movexe. Arguments: the movexe program,
// the file the engine holds open as a running program holds its own ("-" for none), "leave" or
// "stay", and
// movexe's arguments. With "leave" it ends as soon as movexe has started; with "stay" it keeps
// the file until movexe has ended and returns movexe's exit code.
#include <windows.h>

#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 4) {
        return 2;
    }
    const bool holds = std::string(__argv[2]) != "-";
    const HANDLE held = holds ? CreateFileA(__argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                              : nullptr;
    std::string commandLine = std::string("\"") + __argv[1] + "\"";
    for (int i = 4; i < __argc; ++i) {
        commandLine += std::string(" ") + __argv[i];
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION movexe{};
    if (held == INVALID_HANDLE_VALUE ||
        !CreateProcessA(__argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &movexe)) {
        return 2;
    }
    DWORD code = 0;
    if (std::string(__argv[3]) == "stay") {
        WaitForSingleObject(movexe.hProcess, INFINITE);
        GetExitCodeProcess(movexe.hProcess, &code);
    }
    CloseHandle(movexe.hThread);
    CloseHandle(movexe.hProcess);
    if (holds) {
        CloseHandle(held);
    }
    return static_cast<int>(code);
}
