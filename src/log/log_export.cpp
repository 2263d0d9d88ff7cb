#include "log/log_export.h"

namespace sentrel {

std::string LogFileText(const ListView& log) {
    std::string text;
    for (std::size_t i = 0; i < log.Count(); ++i) {
        const ListItem& entry = log.Item(i);
        text += entry.cell.text;
        text += " - ";
        text += entry.subItems.empty() ? std::string() : entry.subItems.front().text;
        text += "\r\n";
    }
    return text;
}

}  // namespace sentrel
