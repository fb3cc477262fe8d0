#include "monitor/core/sampling/win32/sampling_comm_port.h"

#include <windows.h>

#include <string>

namespace lw {

void CommStatePorts::Query(int port, PortState& state) {
    if (port >= 1 && port <= 9) {
        QueryCommPort(port, state);
    }
}

bool QueryCommPort(int port, PortState& state) {
    const std::string name = "\\\\.\\COM" + std::to_string(port);
    // For device queries only: no access rights, so that the port is never taken from its owner
    // nor its lines touched. A port that a dialler holds cannot be opened at all, and Wine
    // refuses the query through such a handle (ERROR_ACCESS_DENIED); either way the values are
    // left unread.
    const HANDLE handle = CreateFileA(name.c_str(), 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
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
    return true;
}

}  // namespace lw
