// A program that registers itself as an OLE server when started with "/reg": it writes its
// arguments into a file named after it, with ".args" in place of ".exe", beside it.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string note(path, length);
    note.replace(note.size() - 4, 4, ".args");
    const std::string temporary = note + ".tmp";
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, arguments, lstrlenA(arguments), &written, nullptr);
    CloseHandle(file);
    // Appears whole or not at all, for the test that waits for it.
    MoveFileA(temporary.c_str(), note.c_str());
    return 0;
}
