#pragma once
// The main window wMain as a model: every control it owns, the program-wide state, and the
// window's event handlers. The handlers delegate to the subsystems' operations.
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/link_site.h"
#include "app/services.h"
#include "controls/hyper_link.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xpcmdbutton.h"
#include "log/event_log.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"
#include "ui/widgets.h"

namespace sentrel {

// Indexes of fraContainer; pages are found by Tag, never by these.
enum PageIndex : std::size_t {
    kPageLogging = 0,
    kPageSettings = 1,
    kPageAbout = 2,
    kPageDetect = 3
};

class WMain {
public:
    explicit WMain(Services& osServices);
    WMain(const WMain&) = delete;
    WMain& operator=(const WMain&) = delete;

    Services& services;
    AppState state;

    // The window and its top-level children.
    Form wMain{"wMain"};
    Toolbar tbrMain{"tbrMain"};
    Timer tmrMSBlastScan{"tmrMSBlastScan", 5000};
    StatusBar stbStatus{"stbStatus"};
    ControlArray<Frame, 4> fraContainer{"fraContainer(0)", "fraContainer(1)", "fraContainer(2)",
                                        "fraContainer(3)"};
    MenuItem mCONTEXT;

    // Logging page.
    ListView lvwLog{"lvwLog"};
    Image imgSystray{"imgSystray"};

    // Settings page.
    Frame fraSocket{"fraSocket"};
    Label labSocketSettings{"labSocketSettings"};
    QelTextBoxXP txtSocketPort{"txtSocketPort"};
    xpcmdbutton ResetToDefaultPort{"ResetToDefaultPort"};
    Frame fraReturnMessage{"fraReturnMessage"};
    Label Label2{"Label2"};
    QelTextBoxXP txtReturnMessage{"txtReturnMessage"};
    xpcmdbutton cmdTestMsg{"cmdTestMsg"};
    xpcmdbutton cmdResetToDefaultMsg{"cmdResetToDefaultMsg"};
    Frame fraMisc{"fraMisc"};
    QelCheckBoxXP chkPlaySFX{"chkPlaySFX"};
    QelCheckBoxXP chkScanAtStartup{"chkScanAtStartup"};
    QelCheckBoxXP chkTaskScanner{"chkTaskScanner"};
    QelCheckBoxXP chkMinimiseToTray{"chkMinimiseToTray"};
    QelCheckBoxXP chkAlwaysOnTop{"chkAlwaysOnTop"};
    QelCheckBoxXP chkImmunise{"chkImmunise"};

    // About page.
    Image imgAbout{"imgAbout"};
    Label labTitle{"labTitle"};
    Label labBuild{"labBuild"};
    Label labAbout{"labAbout"};
    Label Label3{"Label3"};
    HyperLink lnkBlog{"lnkBlog"};
    Label Label1{"Label1"};
    HyperLink lnkQel{"lnkQel"};
    Image imgDonate{"imgDonate"};

    // Detect page.
    ControlArray<Image, 2> imgScan{"imgScan(0)", "imgScan(1)"};
    Label labScanTitle{"labScanTitle"};
    Label labScanInfo{"labScanInfo"};
    Label labWormRunning{"labWormRunning"};
    xpcmdbutton cmdScan{"cmdScan"};
    xpcmdbutton cmdCleanSystem{"cmdCleanSystem"};
    xpcmdbutton cmdPreventShutdown{"cmdPreventShutdown"};

    EventLog eventLog{lvwLog, services.clock, services.locale};
    ProgramLinkSite linkSite{wMain, services};

    // Every control in creation order (parents before children): the host creates real windows
    // in this order, and it is the tab order.
    const std::vector<Control*>& Controls() const { return controls_; }

    // Shared operations.
    void AddLogEntry(const std::string& text, bool mergeRepeats, long colour) {
        eventLog.AddLogEntry(text, mergeRepeats, colour);
    }
    void SetStatusText(const std::string& text);
    std::string MakeLoadedBanner();

    // Window events.
    void Form_Load();
    void tbrMain_ButtonClick(int index);
    void stbStatus_PanelClick(int index);

    // Event log list and its menu.
    void lvwLog_MouseUp(MouseButton button, int shift, int x, int y);
    void lvwLog_DblClick();
    // Shift+F10 or the menu key on the list: the same menu as a right-click, at `screenAt`.
    void lvwLog_MenuKey(Point screenAt);
    void mCLEARLOG_Click();

    // Saving the event log and the IP list.
    void mLOG_Click();
    void mIPs_Click();

    // Settings handlers: each stores first, then does its further work.
    void chkMinimiseToTray_Click();
    void chkAlwaysOnTop_Click();
    void chkPlaySFX_Click();
    void chkTaskScanner_Click();
    void chkScanAtStartup_Click();
    void chkImmunise_Click();
    void txtSocketPort_Change();
    void txtReturnMessage_Change();

    // Worm detection and removal: the Detect page's buttons and the task scanner's timer.
    void cmdScan_Click();
    void cmdCleanSystem_Click();
    void cmdPreventShutdown_Click();
    void tmrMSBlastScan_Timer();

    // Probe listener: listening, probes and their replies.
    void StartListening();
    void IncrementProbeCounter();
    // False when the reply was skipped because too many replies are queued or running.
    bool SendReturnMessage(const std::string& ip, const std::string& message);
    // The launcher's word on how a reply ended.
    void ReplyEnded(const LaunchOutcome& outcome);
    void sckSocket_ConnectionRequest();
    void sckSocket_Error(int number, const std::string& description);
    void ResetToDefaultPort_Click();
    void cmdTestMsg_Click();
    void cmdResetToDefaultMsg_Click();

    // Tray, window behaviour and shell launching.
    void Form_Resize();
    void Form_TrayCallback(int mouseMessage);
    void Form_TaskbarCreated();
    void imgDonate_Click();
    // title & " - [" & the probe counter's text & "]".
    std::string TrayTipText(const std::string& title) const;

private:
    void RestoreFromTray();

    void Layout();
    void Wire();
    void Adopt(Control& parent, std::initializer_list<Control*> children);
    void StoreSetting(const char* key, const std::string& value);
    void SaveCheckBox(const char* key, const QelCheckBoxXP& box);

    std::vector<Control*> controls_;
};

// Brings the page whose Tag is `tag` to the front and presses button `buttonIndex` alone.
void SwitchTab(ControlArray<Frame, 4>& frames, const std::string& tag, Toolbar& toolbar,
               int buttonIndex);

}  // namespace sentrel
