// The taskbar's notification area, through Shell_NotifyIconA.
#pragma once

#include "monitor/tray/tray_system.h"

namespace lw {

class Win32NotifyArea : public NotifyArea {
  public:
    bool Send(NotifyRequest request, const NotifyIconRecord& record) override;
};

}  // namespace lw
