#pragma once
// The main window itself as a model: caption, shown state, window state, topmost.
#include <functional>
#include <string>

#include "ui/control.h"

namespace sentrel {

enum class WindowState : int { Normal = 0, Minimised = 1 };

class Form : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    WindowState GetWindowState() const { return state_; }
    // Like the toolkit's WindowState property: changing it runs the Resize handler.
    void SetWindowState(WindowState state);

    bool Topmost() const { return topmost_; }
    void SetTopmost(bool topmost);

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Closes the window, which ends the program.
    void Unload();
    bool Unloading() const { return unloading_; }

    std::function<void()> Resize;
    // The notification icon's callback: the mouse message (WM_LBUTTONUP, ...) of a click on it.
    std::function<void(int mouseMessage)> TrayCallback;
    // The shell (taskbar) was restarted: icons must be added again.
    std::function<void()> TaskbarCreated;
    // The host reports a change of window state made by the user or the system.
    void WindowStateChangedByUser(WindowState state);

private:
    std::string caption_;
    WindowState state_ = WindowState::Normal;
    bool topmost_ = false;
    bool unloading_ = false;
};

}  // namespace sentrel
