// The Logging page: the event log list's mouse events, its pop-up menu and the two exports.
#include "listener/ip_list_export.h"
#include "log/log_export.h"
#include "log/text_export.h"
#include "window/wmain.h"

namespace sentrel {

void WMain::lvwLog_MouseUp(MouseButton button, int /*shift*/, int /*x*/, int /*y*/) {
    if (button == MouseButton::Right) {
        ShowLogMenu(std::nullopt);
    }
}

// The same menu from the keyboard (Shift+F10, the menu key), where the list says.
void WMain::lvwLog_MenuKey(Point screenAt) {
    ShowLogMenu(screenAt);
}

void WMain::ShowLogMenu(std::optional<Point> screenAt) {
    const std::string chosen = services.dialogs.PopupMenu(mContext, screenAt);
    MenuItem* item = chosen.empty() ? nullptr : mContext.Find(chosen);
    if (item != nullptr && item->Click) {
        item->Click();
    }
}

void WMain::lvwLog_DblClick() {
    const auto selected = lvwLog.SelectedIndex();
    if (!selected || *selected >= lvwLog.Count()) {
        return;
    }
    const ListItem& entry = lvwLog.Item(*selected);
    services.dialogs.ShowMessage(entry.cell.text + " - " + entry.subItems.at(0).text,
                                 kMsgInformation, "Sentrel..");
}

void WMain::mCLEARLOG_Click() {
    eventLog.Clear();
    AddLogEntry(MakeLoadedBanner());
}

void WMain::mLOG_Click() {
    const TextExport request{
        "Enter filename for log..",
        "There was an error while saving the logfile: ", [this] { return LogFileText(lvwLog); }};
    if (ExportTextFile(services.dialogs, services.textFiles, request) == ExportOutcome::NotSaved) {
        SetStatusText(kNotSavedStatus);
    }
}

void WMain::mIPs_Click() {
    if (state.ipList.empty()) {
        SetStatusText("No IPs have yet attempted a connection.");
        return;
    }
    const TextExport request{"Enter filename for IP log..",
                             "There was an error while saving the IP logfile: ", [this] {
                                 return IpListFileText(state.ipList, labTitle.Caption());
                             }};
    if (ExportTextFile(services.dialogs, services.textFiles, request) == ExportOutcome::NotSaved) {
        SetStatusText(kNotSavedStatus);
    }
}

}  // namespace sentrel
