#pragma once

#include "monitor/serial/qc_com32.h"
#include "monitor/serial/win32/comm_device.h"
#include "monitor/serial/win32/message_loop.h"
#include "monitor/serial/win32/response_timer.h"

namespace lw {

// The serial port component with the real port, timer and message loop behind it; its boxes
// are its owner's.
class Win32QCCom32 {
  public:
    explicit Win32QCCom32(MessageBoxes& boxes) : com_({device_, timer_, loop_, boxes}) {}

    T_QCCom32& operator*() { return com_; }
    T_QCCom32* operator->() { return &com_; }

  private:
    Win32CommDevice device_;
    Win32ResponseTimer timer_;
    Win32MessageLoop loop_;
    T_QCCom32 com_;
};

}  // namespace lw
