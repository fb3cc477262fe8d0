// A library with the registration entry point of an OLE server: each call leaves a file named
// after the library, with ".registered" in place of ".dll", beside it.
#include <windows.h>

#include <string>

namespace {

HMODULE self = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(self, path, sizeof path);
    std::string note(path, length);
    note.replace(note.size() - 4, 4, ".registered");
    const HANDLE file = CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    // Whatever a server answers, the installer goes on.
    return E_FAIL;
}
