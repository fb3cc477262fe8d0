#include "monitor/core/win32/sampling_comm_port.h"

#include <windows.h>

#include <string>

namespace lw {

void CommStatePorts::Query(int port, PortState& state) {
    if (port < 1 || port > 9) {
        return;
    }
    const std::string name = "\\\\.\\COM" + std::to_string(port);
    // A port held by the dialler cannot be opened; its values are then left as they are.
    const HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    DCB control = {};
    control.DCBlength = sizeof(control);
    if (GetCommState(handle, &control)) {
        state.BaudRate = control.BaudRate;
        state.DataBits = control.ByteSize;
        state.Parity = control.Parity;
        state.StopBits = control.StopBits;
    }
    CloseHandle(handle);
}

}  // namespace lw
