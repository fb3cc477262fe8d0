#include "monitor/core/tracking/sound_rule.h"

namespace lw {

void PlaySoundSetting(SoundPlayer& player, std::int32_t setting, const std::string& waveFile) {
    if (setting == 1) {
        player.PlayWave(waveFile);
    } else if (setting == 2) {
        player.Beep();
    }
}

}  // namespace lw
