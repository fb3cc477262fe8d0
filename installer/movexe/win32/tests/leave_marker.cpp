// A program that the tests have started: writes its command line to "<its own path>.started".
#include <windows.h>

#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::ofstream(std::string(path, length) + ".started") << GetCommandLineA();
    return 0;
}
