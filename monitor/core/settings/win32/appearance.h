// The screen and caption look as the running system reports them.
#pragma once

#include "monitor/core/settings/system_appearance.h"

namespace lw {

class Win32Appearance : public SystemAppearance {
  public:
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    Colour CaptionTextColour() const override;
    Colour ActiveCaptionColour() const override;
    FontSpec CaptionFont() const override;
};

}  // namespace lw
