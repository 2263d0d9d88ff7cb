#pragma once
// The main window wMain as a model: every control it owns, the program-wide state, and the
// window's event handlers. Each handler asks a subsystem's engine and shows the result.
#include <optional>
#include <string>
#include <vector>

#include "base/app_environment.h"
#include "window/app_state.h"
#include "window/link_site.h"
#include "window/services.h"
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
#include "worm/worm_scan.h"

namespace sentrel {

// Indexes of fraContainer, in the order the pages were made; pages are found by Tag, never by
// these.
enum PageFrame : std::size_t {
    kLoggingFrame = 0,
    kSettingsFrame = 1,
    kAboutFrame = 2,
    kDetectFrame = 3
};

// The page toolbar's buttons, numbered from 1 as the toolbar numbers them, in the order shown.
enum PageButton : int {
    kLoggingButton = 1,
    kDetectButton = 2,
    kSettingsButton = 3,
    kAboutButton = 4
};

// "Sentrel v1.20": the window's caption, the About page's title and the tray tip's start.
std::string TitleText(const VersionRecord& version);

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
    MenuItem mContext;

    // Logging page.
    ListView lvwLog{"lvwLog"};
    Image imgSystray{"imgSystray"};

    // Settings page.
    Frame fraSocket{"fraSocket"};
    Label labSocketSettings{"labSocketSettings"};
    QelTextBoxXP txtSocketPort{"txtSocketPort"};
    xpcmdbutton cmdResetToDefaultPort{"cmdResetToDefaultPort"};
    Frame fraReturnMessage{"fraReturnMessage"};
    Label labReturnMessageHelp{"labReturnMessageHelp"};
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
    Label labOriginalIdea{"labOriginalIdea"};
    HyperLink lnkBlog{"lnkBlog"};
    Label labProgrammingDesign{"labProgrammingDesign"};
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
    void AddLogEntry(const std::string& text, LogKind kind = LogKind::Plain) {
        eventLog.AddLogEntry(text, kind);
    }
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
    // Scans and shows the verdict; the all-clear sound plays only with playAllClearSound, the
    // infected sound regardless (both only when sounds are on).
    void ScanSystem(bool playAllClearSound);
    // Removes what the scan found, asking before ending a process found only by its signs, and
    // scans again. A failed file operation ends the clean at once with one message box.
    void CleanSystem();

    // Probe listener: listening, probes and their replies.
    void StartListening();
    void IncrementProbeCounter();
    // False when the reply was skipped because too many replies are queued or running.
    bool SendReturnMessage(const std::string& ip, const std::string& message);
    void sckSocket_ConnectionRequest();
    void sckSocket_Error(int number, const std::string& description);
    void cmdResetToDefaultPort_Click();
    void cmdTestMsg_Click();
    void cmdResetToDefaultMsg_Click();

    // Tray, window behaviour and shell launching.
    void Form_Resize();
    void Form_TrayCallback(int mouseMessage);
    void Form_TaskbarCreated();
    void imgDonate_Click();
    // title & " - [" & the probe counter's text & "]".
    std::string TrayTipText(const std::string& title) const;

    // Brings the page of a toolbar button to the front, as a click on the button does.
    void ShowPage(PageButton button) { tbrMain_ButtonClick(button); }

private:
    void RestoreFromTray();
    void ShowLogMenu(std::optional<Point> screenAt);
    void LogWormSigns(const std::vector<WormSign>& signs);
    void ShowVerdict(const WormFindings& findings, bool playAllClearSound);
    void ReportExposure();
    void WarnWormRunningOnce();

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
