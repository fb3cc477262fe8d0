// Program entry of the installer engine. The install and uninstall runs are added to the
// controller as they are built; until then the program starts and ends without a change.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
