// The event log list's mouse events and its pop-up menu.
#include "app/wmain.h"

namespace sentrel {

void WMain::lvwLog_MouseUp(MouseButton button, int /*shift*/, int /*x*/, int /*y*/) {
    if (button != MouseButton::Right) {
        return;
    }
    const std::string chosen = services.dialogs.PopupMenu(mCONTEXT);
    if (chosen.empty()) {
        return;
    }
    MenuItem* item = mCONTEXT.Find(chosen);
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
    AddLogEntry(MakeLoadedBanner(), false, 0);
}

}  // namespace sentrel
