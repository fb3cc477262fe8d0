// The uninstaller as its own program, for the Wine tests: awmain without "awmain.ini" beside it.
#include <windows.h>

#include "installer/oplog/win32/uninstaller_main.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return aw::UninstallerMain(instance, commandLine);
}
