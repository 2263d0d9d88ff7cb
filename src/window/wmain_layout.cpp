// The window's make-up: every control with its place, and the design-time state of all but the
// XP controls, whose saved properties are in res/wmain.layout.
#include "base/format.h"
#include "window/wmain.h"

namespace sentrel {

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);

constexpr const char* kProduct = "Sentrel";

}  // namespace

void WMain::Adopt(Control& parent, std::initializer_list<Control*> children) {
    for (Control* child : children) {
        child->SetParent(&parent);
        controls_.push_back(child);
    }
}

void WMain::Layout() {
    const Font kHeadingFont{"Tahoma", 12, true, false};
    const Font kTitleFont{"Tahoma", 14, true, false};
    const Font kBoldFont{"Tahoma", 8.25, true, false};

    wMain.SetCaption(kProduct);
    wMain.SetBounds({0, 0, 6675, 4440});  // client area
    wMain.SetVisible(false);

    tbrMain.SetBounds({0, 0, 6675, 570});
    tbrMain.AddButton({"Logging", "_logging", "Event logging..", true});
    tbrMain.AddButton(
        {" Detect", "_detect", "Is the MSBlast worm present on your system? ..", false});
    tbrMain.AddButton({"Settings", "_settings", "Customise the application..", false});
    tbrMain.AddButton({"About", "_about", "Application information..", false});
    tmrMSBlastScan.SetVisible(false);

    stbStatus.SetBounds({0, 4155, 6675, 285});
    stbStatus.AddPanel({"_general", "Waiting...", "Waiting...", 0});
    stbStatus.AddPanel({"_counter", "0 probes", "0 probes", 2293});

    const char* tags[] = {"_logging", "_settings", "_about", "_detect"};
    for (std::size_t i = 0; i < fraContainer.Count(); ++i) {
        fraContainer[i].SetBounds({0, 495, 6675, 3660});
        fraContainer[i].SetTag(tags[i]);
    }
    fraContainer.BringToFront(kLoggingFrame);

    controls_.push_back(&wMain);
    Adopt(wMain, {&tbrMain, &tmrMSBlastScan, &fraContainer[0], &fraContainer[1], &fraContainer[2],
                  &fraContainer[3], &stbStatus});

    // Logging page: the tray picture sits where the list covers it.
    Frame& logging = fraContainer[kLoggingFrame];
    imgSystray.SetBounds({120, 210, 240, 240});
    imgSystray.SetPicture("SYSTRAY");
    imgSystray.SetVisible(false);
    lvwLog.SetBounds({60, 150, 6555, 3450});
    lvwLog.AddColumn({"Time", 70});
    lvwLog.AddColumn({"Event", 286});
    lvwLog.AddColumn({"Hit Count", 60});
    Adopt(logging, {&imgSystray, &lvwLog});

    // Settings page.
    Frame& settings = fraContainer[kSettingsFrame];
    fraSocket.SetCaption("Socket Settings");
    fraSocket.SetBounds({195, 210, 6285, 1080});
    fraReturnMessage.SetCaption("Return Message");
    fraReturnMessage.SetBounds({195, 1320, 6285, 1080});
    fraMisc.SetCaption("Miscellaneous Settings");
    fraMisc.SetBounds({195, 2430, 6285, 1080});
    Adopt(settings, {&fraSocket, &fraReturnMessage, &fraMisc});

    labSocketSettings.SetCaption(
        "Enter the port you would like Sentrel to listen on. This should be the port that your "
        "router is forwarding connections from 135 to. The default is 10000.");
    labSocketSettings.SetBounds({90, 240, 6105, 405});
    txtSocketPort.SetBounds({90, 690, 4035, 300});
    cmdResetToDefaultPort.SetBounds({4215, 675, 1950, 330});
    Adopt(fraSocket, {&labSocketSettings, &txtSocketPort, &cmdResetToDefaultPort});

    labReturnMessageHelp.SetCaption(
        "This is the message to send back to any MSBlast infected PCs when they try to connect "
        "to your machine in an attempt to pass on the infection.");
    labReturnMessageHelp.SetBounds({90, 240, 6105, 405});
    txtReturnMessage.SetBounds({90, 690, 4035, 300});
    cmdTestMsg.SetBounds({4215, 675, 960, 330});
    cmdResetToDefaultMsg.SetBounds({5235, 675, 960, 330});
    Adopt(fraReturnMessage,
          {&labReturnMessageHelp, &txtReturnMessage, &cmdTestMsg, &cmdResetToDefaultMsg});

    // Two columns of check boxes, each box free to grow to its caption up to the next column or
    // the frame's edge: room for the captions in Tahoma at 96 to 192 dpi.
    chkPlaySFX.SetBounds({120, 300, 2940, 195});
    chkScanAtStartup.SetBounds({120, 555, 2940, 195});
    chkTaskScanner.SetBounds({120, 810, 2940, 195});
    chkMinimiseToTray.SetBounds({3060, 300, 3195, 195});
    chkAlwaysOnTop.SetBounds({3060, 555, 3195, 195});
    // The one free place among the switches; the Detect page has none left below its buttons.
    chkImmunise.SetBounds({3060, 810, 3195, 195});
    Adopt(fraMisc, {&chkPlaySFX, &chkScanAtStartup, &chkTaskScanner, &chkMinimiseToTray,
                    &chkAlwaysOnTop, &chkImmunise});

    // About page.
    Frame& about = fraContainer[kAboutFrame];
    imgAbout.SetPicture("ABOUT");
    imgAbout.SetBounds({240, 240, 720, 720});
    labTitle.SetCaption(TitleText(kBuiltVersion));
    labTitle.SetFont(kTitleFont);
    labTitle.SetBounds({1140, 255, 3600, 405});
    labBuild.SetCaption("build#" + FormatPadded(kBuiltVersion.revision, 4));
    labBuild.SetBounds({1140, 660, 2400, 210});
    labAbout.SetCaption(
        "Sentrel is an application designed to monitor for connections made by the MSBlast "
        "worm. Any detected connections are logged and a message is sent back (via the Messenger "
        "service) to the infected machine containing a link to a website for cleaning "
        "instructions.");
    labAbout.SetBounds({240, 1095, 6195, 870});
    labOriginalIdea.SetCaption("Original Idea");
    labOriginalIdea.SetFont(kBoldFont);
    labOriginalIdea.SetBounds({240, 2115, 2700, 210});
    lnkBlog.SetBounds({240, 2355, 2700, 210});
    labProgrammingDesign.SetCaption("Programming, Design");
    labProgrammingDesign.SetFont(kBoldFont);
    labProgrammingDesign.SetBounds({3240, 2115, 2700, 210});
    lnkQel.SetBounds({3240, 2355, 2700, 210});
    imgDonate.SetPicture("DONATE");
    imgDonate.SetToolTipText("Click to make a donation!");
    imgDonate.SetHandCursor(true);
    imgDonate.SetBounds({240, 2820, 1320, 465});
    Adopt(about, {&imgAbout, &labTitle, &labBuild, &labAbout, &labOriginalIdea, &lnkBlog,
                  &labProgrammingDesign, &lnkQel, &imgDonate});

    // Detect page: the two scan pictures lie nearly on top of each other.
    Frame& detect = fraContainer[kDetectFrame];
    imgScan[0].SetPicture("SCAN_INFECTED");
    imgScan[0].SetBounds({255, 255, 480, 480});
    imgScan[0].SetVisible(false);
    imgScan[1].SetPicture("SCAN_CLEAN");
    imgScan[1].SetBounds({240, 240, 480, 480});
    labScanTitle.SetCaption("MSBlast system scan...");
    labScanTitle.SetFont(kHeadingFont);
    labScanTitle.SetBounds({900, 285, 5535, 330});
    labScanInfo.SetCaption(
        "Sentrel supports the scanning and removal of the MSBlast worm. To begin the scanning "
        "process, click on Rescan System.");
    labScanInfo.SetBounds({900, 720, 5535, 2070});
    labWormRunning.SetCaption("The MSBLAST.EXE worm is currently running on your system!");
    labWormRunning.SetForeColor(kRed);
    labWormRunning.SetFont(kBoldFont);
    labWormRunning.SetBounds({900, 2820, 5535, 210});
    labWormRunning.SetVisible(false);
    cmdScan.SetBounds({240, 3165, 1845, 345});
    cmdCleanSystem.SetBounds({2415, 3165, 1845, 345});
    cmdPreventShutdown.SetBounds({4590, 3165, 1845, 345});
    Adopt(detect, {&imgScan[0], &imgScan[1], &labScanTitle, &labScanInfo, &labWormRunning, &cmdScan,
                   &cmdCleanSystem, &cmdPreventShutdown});

    // The event log's pop-up menu, never shown as a menu bar.
    mContext.name = "mContext";
    mContext.caption = "Context";
    MenuItem save{"mSAVE", "Save", {}, {}};
    save.items.push_back({"mIPs", "IPs..", {}, {}});
    save.items.push_back({"mLOG", "Log..", {}, {}});
    mContext.items.push_back(std::move(save));
    mContext.items.push_back({"blank0", "-", {}, {}});
    mContext.items.push_back({"mCLEARLOG", "Clear Log", {}, {}});
}

}  // namespace sentrel
