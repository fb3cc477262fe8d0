// The tray icon component as the drawing sets it: its active state, its hint and one of the
// program's eight modem icons, "MODEM1".."MODEM4" and "MODEM1_NC".."MODEM4_NC".
#pragma once

#include <array>
#include <optional>

#include "monitor/core/drawing/drawing_services.h"
#include "monitor/forms/icon.h"
#include "monitor/tray/tray_icon.h"

namespace lw {

class TrayIconBinding : public TrayIconTarget {
  public:
    // Loads the eight icons from the program's resources at the small icon size.
    explicit TrayIconBinding(TPGTrayIcon95& tray);

    void SetActive(bool active) override;
    void SetHint(const std::string& hint) override;
    // The shell is told only when the picture changes.
    void SetPicture(TrayPicture picture) override;

    const Icon& IconOf(TrayPicture picture) const;

  private:
    TPGTrayIcon95& tray_;
    std::array<Icon, 8> icons_;
    std::optional<TrayPicture> shown_;
};

}  // namespace lw
