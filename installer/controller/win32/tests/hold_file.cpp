// Keeps a file open the way a running program keeps its own files: neither shared for writing
// nor for deleting. Started by the tests with the file's path; writes "<path>.held" once the
// file is open and keeps it open until that marker is deleted (or a minute has passed).
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const std::string path = commandLine;
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const std::string marker = path + ".held";
    const HANDLE made = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(made);
    for (int waited = 0;
         waited < 600 && GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; ++waited) {
        Sleep(100);
    }
    CloseHandle(held);
    return 0;
}
