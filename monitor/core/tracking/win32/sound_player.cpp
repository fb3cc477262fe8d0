#include "monitor/core/tracking/win32/sound_player.h"

#include <windows.h>

#include <mmsystem.h>

namespace lw {

// Without SND_NODEFAULT a missing file would play the system's default sound instead of
// nothing.
void Win32SoundPlayer::PlayWave(const std::string& fileName) {
    PlaySoundA(fileName.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

void Win32SoundPlayer::Beep() {
    MessageBeep(0);
}

}  // namespace lw
