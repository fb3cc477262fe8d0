// The main window keeps its caption while the settings dialog is open, whatever the user
// chose: "No Title Bar" reads 0 meanwhile, so that the panel is sized for a caption, and the
// user's own value waits here until the dialog ends. A port switch during the dialog puts it
// back before the old port's settings are saved and holds the new port's value instead.
#pragma once

#include <cstdint>
#include <optional>

#include "monitor/core/settings/settings.h"

namespace lw {

class SetupCaption {
  public:
    // Keeps the user's value and shows the caption.
    void Hold(MonitorSettings& settings) {
        held_ = settings.NoTitleBar;
        settings.NoTitleBar = 0;
    }
    // Puts the user's value back; false when none was held.
    bool PutBack(MonitorSettings& settings) {
        if (!held_) {
            return false;
        }
        settings.NoTitleBar = *held_;
        held_.reset();
        return true;
    }

  private:
    std::optional<std::int32_t> held_;
};

}  // namespace lw
