#pragma once

#include "monitor/core/settings/settings.h"

namespace lw {

// What the settings take from the system: the screen size and the window caption's look.
class SystemAppearance {
  public:
    virtual ~SystemAppearance() = default;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual Colour CaptionTextColour() const = 0;
    virtual Colour ActiveCaptionColour() const = 0;
    // Face, size in points and styles of the caption font; its colour is not set.
    virtual FontSpec CaptionFont() const = 0;
};

// Takes the title-bar font and both title-bar colours from the system's caption.
void UseCaptionFont(MonitorSettings& settings, const SystemAppearance& system);

}  // namespace lw
