// Until the uninstaller comes: a program started without "awmain.ini" has nothing to undo.
#include "installer/oplog/win32/uninstaller_main.h"

#include <string>

namespace aw {

int UninstallerMain(HINSTANCE, const char* commandLine) {
    const std::string line = commandLine != nullptr ? commandLine : "";
    // "/S": nobody is there to read it.
    if (line.find("/S") == std::string::npos && line.find("/s") == std::string::npos) {
        MessageBoxA(nullptr, "There is nothing to uninstall.", nullptr, MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}

}  // namespace aw
