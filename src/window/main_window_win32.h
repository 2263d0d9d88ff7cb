#pragma once
// The main window's Win32 host: the real top-level window of the wMain model, one control host
// per control model, and the window's own events (size, timers, tray callback, shell restart).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "window/wmain.h"
#include "base/handles_win32.h"
#include "shell/tray_icon_win32.h"
#include "ui/host_win32.h"
#include "ui/mirror_pacer_win32.h"
#include "ui/tool_tips_win32.h"

namespace sentrel {

// Control identifiers: this plus the control's place in WMain::Controls().
constexpr int kFirstControlId = 1000;
inline constexpr const wchar_t* kMainWindowClass = L"SentrelMain";

class MainWindow {
public:
    MainWindow(WMain& main, HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_.Get(); }
    int Dpi() const { return dpi_; }
    // The tool tip window of the controls' ToolTipText.
    HWND ToolTipWindow() const { return toolTips_.Window(); }
    // The host of a control model, or null (the form itself, or a model without a host).
    ControlHost* HostFor(const Control& model) const;
    // The real window of a control model, or null.
    HWND WindowOf(const Control& model) const;
    // Some control's window has yet to show its model's latest changes (within a frame).
    bool MirrorsPending() const { return pacer_->Pending(); }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateMainWindow();
    void SizeToClientArea();
    void SetIcons();
    void CreateControls();
    void ConnectPages();
    void MirrorForm();
    void MirrorPages();
    void ReportWindowState(WindowState state);

    void OnSize(WPARAM kind);
    void OnTimer(WPARAM id);
    void OnClose();
    void OnTrayCallback(LPARAM lParam);
    void OnTaskbarCreated();
    // A page shown by a key (kMsgPageByKey), as a click on its button shows it; the focus then
    // goes to the page's first control.
    void OnPageByKey(WPARAM button, LPARAM step);
    void FocusFrontPage();
    // The user's colours or high contrast changed: the controls paint anew.
    void OnSystemColours();

    WMain& main_;
    HINSTANCE instance_;
    int dpi_ = 96;
    UINT taskbarCreated_ = 0;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UniqueGdiObject font_;
    UniqueWindow window_;
    ControlToolTips toolTips_;
    std::vector<std::unique_ptr<ControlHost>> hosts_;  // by place in WMain::Controls()
    std::unique_ptr<MirrorPacer> pacer_;
    bool controlsReady_ = false;
    bool mirroringState_ = false;  // a state the model set is being applied: not the user's
    std::string shownCaption_;
    WindowState shownState_ = WindowState::Normal;
    int shownTopmost_ = -1;
    unsigned zOrderSeen_ = 0;
    bool closePosted_ = false;
};

// The window's DPI: GetDpiForWindow where the system has it, else the screen's.
int WindowDpi(HWND window);

// What the message loop does with a message before dispatching it: the window's own keys
// (Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown, Ctrl+PageUp switch pages) and the dialog
// navigation (Tab between the controls). True when the message was used.
bool PreTranslateWindowMessage(HWND main, MSG& msg);

// Runs the messages of the thread until WM_QUIT.
int RunMessageLoop(HWND main);

}  // namespace sentrel
