#pragma once
// A Timer on a system timer of the main window, identified by the control's identifier. It has
// no window of its own; the main window hands it its WM_TIMER.
#include "ui/host_win32.h"
#include "ui/widgets.h"

namespace sentrel {

class TimerHost : public ControlHost {
public:
    TimerHost(Timer& model, const HostContext& context);
    ~TimerHost() override;

    HWND Window() const override { return nullptr; }
    void Mirror() override;
    void OnTimer() override;

private:
    Timer& timer_;
    HWND owner_;
    UINT_PTR id_;
    bool running_ = false;
    int runningInterval_ = 0;
};

}  // namespace sentrel
