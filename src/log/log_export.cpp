#include "log/log_export.h"

#include "app/wmain.h"
#include "log/text_export.h"

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

void WMain::mLOG_Click() {
    const TextExport request{
        "Enter filename for log..",
        "There was an error while saving the logfile: ", [this] { return LogFileText(lvwLog); }};
    if (ExportTextFile(services.dialogs, services.textFiles, request) == ExportOutcome::NotSaved) {
        SetStatusText(kNotSavedStatus);
    }
}

}  // namespace sentrel
