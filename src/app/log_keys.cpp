// The event log's pop-up menu from the keyboard: the menu of a right-click, where the list says.
#include "app/wmain.h"

namespace sentrel {

void WMain::lvwLog_MenuKey(Point screenAt) {
    const std::string chosen = services.dialogs.PopupMenu(mCONTEXT, screenAt);
    MenuItem* item = chosen.empty() ? nullptr : mCONTEXT.Find(chosen);
    if (item != nullptr && item->Click) {
        item->Click();
    }
}

}  // namespace sentrel
