#pragma once
// A Frame on a container window of the program's own class: a plain page, or a group box whose
// caption is drawn in the frame's fore colour. The container hands its children's reports
// (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) to their hosts.
#include <functional>

#include "ui/host_base_win32.h"
#include "ui/widgets.h"

namespace sentrel {

class FrameHost : public WindowHost {
public:
    FrameHost(Frame& model, const HostContext& context);
    ~FrameHost() override;
    void Mirror() override;

    // For the pages of a tab strip: the page shows only while this says it is in front.
    void SetFrontTest(std::function<bool()> isFront);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnPaint(HWND window);

    Frame& frame_;
    std::function<bool()> isFront_;
};

}  // namespace sentrel
