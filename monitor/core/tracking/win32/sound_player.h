#pragma once

#include "monitor/core/tracking/sound_rule.h"

namespace lw {

// Wave files through the multimedia library, played to their end before the call returns.
class Win32SoundPlayer : public SoundPlayer {
  public:
    void PlayWave(const std::string& fileName) override;
    void Beep() override;
};

}  // namespace lw
