#pragma once
// The main window on fakes, with helpers for the worm's files and processes.
#include <string>

#include "fakes/rig.h"

namespace sentrel::test {

inline constexpr bool kReadOnly = true;

inline const std::string kSystem32 = "C:\\WINDOWS\\System32\\";
inline const std::string kSysWow64 = "C:\\WINDOWS\\SysWOW64\\";

// With the sounds on, under their bare names.
struct WormRig : Rig {
    WormRig() {
        state().soundEnabled = true;
        state().sounds.infected = "Infected.wav";
        state().sounds.notInfected = "NotInfected.wav";
        state().sounds.disinfected = "Disinfected.wav";
    }
    AppState& state() { return w().state; }
    void Infect(const std::string& name) { files.AddFile(kSystem32 + name); }
    Texts Played() const { return sound.played; }
    std::optional<Colour> LogColour(std::size_t i) const {
        return window->lvwLog.Item(i).subItems.at(0).foreColour;
    }
};

}  // namespace sentrel::test
