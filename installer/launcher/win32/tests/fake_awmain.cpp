// Stands in for the installer in the launcher's tests. Reads "awmain.ini" beside it with the
// profile functions and notes what it read, its own folder and that folder's files in
// "awmain.seen" beside "p". Its result is the argument "r=N"; with the argument "refuse" it ends
// with 1 and no result, as an installer that could not begin its run.
#include <windows.h>

#include <fstream>
#include <string>

namespace {

std::string Read(const std::string& ini, const char* key) {
    char value[600];
    GetPrivateProfileStringA("x", key, "", value, sizeof(value), ini.c_str());
    return value;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string own(path, length);
    const std::string folder = own.substr(0, own.find_last_of('\\'));
    const std::string ini = folder + "\\awmain.ini";
    const std::string start = Read(ini, "p");
    const std::string arguments = Read(ini, "cmdl");
    std::ofstream seen(start.substr(0, start.find_last_of('\\')) + "\\awmain.seen",
                       std::ios::binary);
    seen << "folder=" << folder << "\np=" << start << "\ncmdl=" << arguments
         << "\nsz=" << Read(ini, "sz") << "\nu=" << Read(ini, "u") << "\nfiles=";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    do {
        seen << found.cFileName << ' ';
    } while (FindNextFileA(search, &found));
    FindClose(search);
    seen << "\n";
    if (arguments.find("refuse") != std::string::npos) {
        return 1;
    }
    const std::size_t result = arguments.find("r=");
    if (result != std::string::npos) {
        WritePrivateProfileStringA("x", "r", arguments.substr(result + 2, 1).c_str(), ini.c_str());
    }
    return 0;
}
