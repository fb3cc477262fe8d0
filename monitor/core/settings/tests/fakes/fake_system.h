// A virtual clock and a system of fixed appearance.
#pragma once

#include "monitor/core/settings/system_appearance.h"
#include "monitor/core/time/clock.h"

namespace lw::testing {

class FakeClock : public Clock {
  public:
    DayCount Now() const override { return now; }
    std::uint32_t TickCount() const override { return ticks; }

    DayCount now = 45'292.5;  // 1 January 2024, 12:00
    std::uint32_t ticks = 0;
};

class FakeAppearance : public SystemAppearance {
  public:
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
    Colour CaptionTextColour() const override { return captionText; }
    Colour ActiveCaptionColour() const override { return activeCaption; }
    FontSpec CaptionFont() const override { return captionFont; }

    int screenWidth = 1024;
    int screenHeight = 768;
    Colour captionText = 0xFFFFFF;
    Colour activeCaption = 0x800000;
    FontSpec captionFont{"MS Sans Serif", 8, true};
};

}  // namespace lw::testing
