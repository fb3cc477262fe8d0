// The sound settings: 1 plays the chosen wave file, 2 beeps, anything else is silent.
#pragma once

#include <cstdint>
#include <string>

namespace lw {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays a wave file to its end; a file that cannot be played is skipped silently.
    virtual void PlayWave(const std::string& fileName) = 0;
    // The system's default beep.
    virtual void Beep() = 0;
};

void PlaySoundSetting(SoundPlayer& player, std::int32_t setting, const std::string& waveFile);

}  // namespace lw
