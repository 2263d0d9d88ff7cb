#include "shell/sound_player_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include "base/handles_win32.h"
#include "base/text_win32.h"
#include "shell/sounds.h"

namespace sentrel {

void WinmmSoundPlayer::Play(const std::string& path) {
    const DWORD now = GetTickCount();
    if (path == playing_ && now - playingSince_ < playingFor_) {
        return;
    }
    // A missing file plays nothing, not even the system's default sound.
    if (const auto play = winmm_.Function<decltype(&PlaySoundW)>("PlaySoundW")) {
        play(Utf8ToWide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
    playing_ = path;
    playingSince_ = now;
    playingFor_ = LengthMs(path);
}

// Read once per file: the header is all that is needed.
std::uint32_t WinmmSoundPlayer::LengthMs(const std::string& path) {
    const auto known = lengths_.find(path);
    if (known != lengths_.end()) {
        return known->second;
    }
    std::string header(4096, '\0');
    DWORD read = 0;
    const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || ReadFile(file.Get(), header.data(), static_cast<DWORD>(header.size()), &read,
                          nullptr) == FALSE) {
        read = 0;
    }
    header.resize(read);
    const std::uint32_t length = WaveLengthMs(header).value_or(0);
    lengths_.emplace(path, length);
    return length;
}

}  // namespace sentrel
