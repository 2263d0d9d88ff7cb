#include "window/wmain.h"

#include "window/main_saved_layout.h"

namespace sentrel {

WMain::WMain(Services& osServices) : services(osServices) {
    Layout();
    ApplyMainLayout(*this, kMainLayoutText);
    Wire();
}

// Connects every control event to its handler, as the window's control_event names do.
void WMain::Wire() {
    tbrMain.ButtonClick = [this](int index) { tbrMain_ButtonClick(index); };
    stbStatus.PanelClick = [this](int index) { stbStatus_PanelClick(index); };

    lvwLog.MouseUp = [this](MouseButton b, int s, int x, int y) { lvwLog_MouseUp(b, s, x, y); };
    lvwLog.DblClick = [this] { lvwLog_DblClick(); };
    lvwLog.MenuKey = [this](Point at) { lvwLog_MenuKey(at); };
    mContext.Find("mCLEARLOG")->Click = [this] { mCLEARLOG_Click(); };

    chkMinimiseToTray.Click = [this] { chkMinimiseToTray_Click(); };
    chkAlwaysOnTop.Click = [this] { chkAlwaysOnTop_Click(); };
    chkPlaySFX.Click = [this] { chkPlaySFX_Click(); };
    chkTaskScanner.Click = [this] { chkTaskScanner_Click(); };
    chkScanAtStartup.Click = [this] { chkScanAtStartup_Click(); };
    chkImmunise.Click = [this] { chkImmunise_Click(); };
    txtSocketPort.Change = [this] { txtSocketPort_Change(); };
    txtReturnMessage.Change = [this] { txtReturnMessage_Change(); };

    mContext.Find("mLOG")->Click = [this] { mLOG_Click(); };
    mContext.Find("mIPs")->Click = [this] { mIPs_Click(); };

    cmdScan.Click = [this] { cmdScan_Click(); };
    cmdCleanSystem.Click = [this] { cmdCleanSystem_Click(); };
    cmdPreventShutdown.Click = [this] { cmdPreventShutdown_Click(); };
    tmrMSBlastScan.Tick = [this] { tmrMSBlastScan_Timer(); };

    services.socket.ConnectionRequest = [this] { sckSocket_ConnectionRequest(); };
    services.socket.Error = [this](int number, const std::string& description) {
        sckSocket_Error(number, description);
    };
    cmdResetToDefaultPort.Click = [this] { cmdResetToDefaultPort_Click(); };
    cmdTestMsg.Click = [this] { cmdTestMsg_Click(); };
    cmdResetToDefaultMsg.Click = [this] { cmdResetToDefaultMsg_Click(); };

    wMain.Resize = [this] { Form_Resize(); };
    wMain.TrayCallback = [this](int mouseMessage) { Form_TrayCallback(mouseMessage); };
    wMain.TaskbarCreated = [this] { Form_TaskbarCreated(); };
    imgDonate.Click = [this] { imgDonate_Click(); };
    lnkBlog.SetSite(&linkSite);
    lnkQel.SetSite(&linkSite);
}

}  // namespace sentrel
