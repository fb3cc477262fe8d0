// The tick's sounds through the real multimedia library.
#include "monitor/core/tracking/win32/sound_player.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(TrackingSound, AMissingWaveFileIsSkipped) {
    Win32SoundPlayer player;
    player.PlayWave("C:\\no such folder\\ring.wav");
    player.PlayWave("");
    player.Beep();
}

}  // namespace
}  // namespace lw
