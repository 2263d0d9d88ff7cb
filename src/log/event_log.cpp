#include "log/event_log.h"

#include <algorithm>

#include "base/format.h"

namespace sentrel {

namespace {

constexpr const char* kTimeTip = "Time of the event..";
constexpr const char* kHitCountTip = "Total connection attempts from this IP..";
constexpr const char* kNoHitCountTip = "[this column does not apply to this event]";

// The hit count as written, read back as a number: digit-group separators are skipped.
std::int64_t ParseHitCount(const std::string& text) {
    std::int64_t n = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            n = n * 10 + (c - '0');
        }
    }
    return n;
}

}  // namespace

void EventLog::AddLogEntry(const std::string& text, bool mergeRepeats, long colour) {
    std::size_t target = 0;
    auto found = mergeRepeats ? firstByTag_.find(text) : firstByTag_.end();
    if (found != firstByTag_.end()) {
        target = found->second;
        ListCell& hits = list_.MutableItem(target).subItems.at(1);
        hits.text = FormatGrouped(ParseHitCount(hits.text) + 1, locale_.ThousandsSeparator());
        list_.ItemChanged(target);
    } else {
        ListItem item;
        item.cell.text = FormatTime(clock_.Now(), locale_.TimeSeparator());
        item.cell.toolTip = kTimeTip;
        item.smallIcon = "_info";
        item.subItems.push_back({text, text, {}});
        item.subItems.push_back(
            {mergeRepeats ? "1" : "-", mergeRepeats ? kHitCountTip : kNoHitCountTip, {}});
        item.tag = text;
        target = list_.Add(std::move(item));
        firstByTag_.try_emplace(text, target);
        list_.EnsureVisible(target);
    }
    if (colour >= 1) {
        SetLogEntryColour(target, static_cast<Colour>(colour));
    }
}

void EventLog::AddLogEntry(const std::string& text, LogKind kind) {
    switch (kind) {
        case LogKind::Plain:
            AddLogEntry(text, false, 0);
            break;
        case LogKind::Probe:
            AddLogEntry(text, true, kLogProbeColour);
            break;
        case LogKind::Worm:
        case LogKind::Failure:
            AddLogEntry(text, false, kLogAlertColour);
            break;
        case LogKind::Cleaning:
            AddLogEntry(text, false, kLogCleanColour);
            break;
    }
}

void EventLog::SetLogEntryColour(std::size_t index, Colour colour) {
    ListItem& item = list_.MutableItem(index);
    // A probe's row is coloured again at every hit: repainting the whole list for a colour it
    // already has would cost a flood a repaint per probe.
    const auto hasColour = [colour](const ListCell& cell) { return cell.foreColour == colour; };
    if (hasColour(item.cell) && std::ranges::all_of(item.subItems, hasColour)) {
        return;
    }
    item.cell.foreColour = colour;
    for (ListCell& sub : item.subItems) {
        sub.foreColour = colour;
    }
    list_.ItemChanged(index);
    list_.Refresh();
}

void EventLog::Clear() {
    list_.Clear();
    firstByTag_.clear();
}

}  // namespace sentrel
