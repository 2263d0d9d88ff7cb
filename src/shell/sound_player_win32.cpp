#include "shell/sound_player_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "base/text_win32.h"

namespace sentrel {

void WinmmSoundPlayer::Play(const std::string& path) {
    // A missing file plays nothing, not even the system's default sound.
    if (const auto play = winmm_.Function<decltype(&PlaySoundW)>("PlaySoundW")) {
        play(Utf8ToWide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
}

}  // namespace sentrel
