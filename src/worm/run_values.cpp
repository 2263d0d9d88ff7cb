#include "worm/run_values.h"

#include <algorithm>

#include "base/format.h"
#include "worm/worm_files.h"

namespace sentrel {

namespace {

constexpr const char* kBlanks = " \t";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The unquoted command's program path: Windows tries the words one after another, so a path
// ends at the first ".exe" followed by a blank or the end.
std::string UnquotedPath(const std::string& command) {
    const std::string lower = ToLowerAscii(command);
    for (std::size_t at = lower.find(".exe"); at != std::string::npos;
         at = lower.find(".exe", at + 1)) {
        const std::size_t end = at + 4;
        if (end == lower.size() || lower.find_first_of(kBlanks, end) == end) {
            return command.substr(0, end);
        }
    }
    return command.substr(0, command.find_first_of(kBlanks));
}

}  // namespace

std::string CommandFileName(const std::string& command) {
    const std::string text = Trimmed(command);
    const std::string path =
        text.starts_with('"') ? text.substr(1, text.find('"', 1) - 1) : UnquotedPath(text);
    return path.substr(path.find_last_of("\\/") + 1);
}

bool StartsWormFile(const std::string& command) {
    const std::string name = ToLowerAscii(CommandFileName(command));
    return std::ranges::any_of(kWormFiles,
                               [&name](const WormFile& file) { return name == file.fileName; });
}

std::vector<DeletedRunValue> DeleteWormRunValues(Registry& registry) {
    std::vector<DeletedRunValue> deleted;
    const bool twoViews = registry.HasTwoViews();
    for (const RegistryView view : {RegistryView::Bits64, RegistryView::Bits32}) {
        // With one view both would read the same key: once is enough, and it is not named.
        if (!twoViews && view == RegistryView::Bits64) {
            continue;
        }
        const std::string where =
            !twoViews ? "" : (view == RegistryView::Bits64 ? "64-bit view" : "32-bit view");
        if (registry.DeleteMachineValue(view, kRunKey, kWormRunValue)) {
            deleted.push_back({kWormRunValue, where});
        }
        for (const RegistryValue& value : registry.MachineTextValues(view, kRunKey)) {
            if (StartsWormFile(value.data) &&
                registry.DeleteMachineValue(view, kRunKey, value.name)) {
                deleted.push_back({value.name, where});
            }
        }
    }
    return deleted;
}

}  // namespace sentrel
