// The toolbar's tab switch and the status bar.
#include "app/wmain.h"

namespace sentrel {

void SwitchTab(ControlArray<Frame, 4>& frames, const std::string& tag, Toolbar& toolbar,
               int buttonIndex) {
    for (std::size_t i = 0; i < frames.Count(); ++i) {
        if (frames[i].Tag() == tag) {
            frames.BringToFront(i);
            break;
        }
    }
    if (buttonIndex <= 0) {
        return;
    }
    for (int j = 1; j <= toolbar.ButtonCount(); ++j) {
        toolbar.SetButtonValue(j, false);
    }
    toolbar.SetButtonValue(buttonIndex, true);
}

void WMain::tbrMain_ButtonClick(int index) {
    SwitchTab(fraContainer, tbrMain.Button(index).tag, tbrMain, index);
    tbrMain.ZOrder();
}

void WMain::SetStatusText(const std::string& text) {
    stbStatus.SetPanelText("_general", text);
    stbStatus.SetPanelToolTip("_general", text);
}

void WMain::stbStatus_PanelClick(int index) {
    services.dialogs.ShowMessage(stbStatus.Panel(index).text, kMsgInformation, "Sentrel");
}

}  // namespace sentrel
