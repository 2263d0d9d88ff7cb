#pragma once
// The event log: the one way every part of the program reports what happened.
#include <cstddef>
#include <string>
#include <unordered_map>

#include "base/clock.h"
#include "ui/geometry.h"
#include "ui/list_view.h"

namespace sentrel {

// The log's colours, one per kind of entry.
inline constexpr Colour kLogProbeColour = Rgb(0, 0, 160);
inline constexpr Colour kLogAlertColour = Rgb(255, 0, 0);
inline constexpr Colour kLogCleanColour = Rgb(0, 0, 255);

enum class LogKind {
    Plain,     // the list's default colour
    Probe,     // a probe: repeats by the same address raise the first entry's hit count
    Worm,      // the worm found or running: red
    Cleaning,  // a step of the clean: blue
    Failure    // something the user must know went wrong: red
};

class EventLog {
public:
    EventLog(ListView& list, Clock& clock, Locale& locale)
        : list_(list), clock_(clock), locale_(locale) {}

    // colour below 1 keeps the list's default colour. With mergeRepeats the first entry whose
    // tag is the text counts one more hit instead of a new line.
    void AddLogEntry(const std::string& text, bool mergeRepeats, long colour);
    void AddLogEntry(const std::string& text, LogKind kind);
    void Clear();

private:
    void SetLogEntryColour(std::size_t index, Colour colour);

    ListView& list_;
    Clock& clock_;
    Locale& locale_;
    // Tag to the first entry with that tag, so that a merge does not scan the list.
    std::unordered_map<std::string, std::size_t> firstByTag_;
};

}  // namespace sentrel
