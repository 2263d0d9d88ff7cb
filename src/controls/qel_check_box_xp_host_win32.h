#pragma once
// The check box's window: the state picture and the caption painted from the model, the mouse
// and keys turned into its inputs, the hover timer run as a window timer.
#include <memory>

#include "controls/high_contrast.h"
#include "controls/qel_check_box_xp.h"
#include "controls/xp_host_base_win32.h"

namespace sentrel {

class QelCheckBoxXPHost : public XpHostBase {
public:
    QelCheckBoxXPHost(QelCheckBoxXP& model, const HostContext& context);
    ~QelCheckBoxXPHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { box_.UserClick(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    // The box drawn in the user's colours under high contrast: an outline and a tick.
    void PaintHighContrastBox(HDC dc, const XpColours& colours, int top);
    LRESULT OnButtonDown(int button, LPARAM lParam, bool doubleClick);
    LRESULT OnButtonUp(int button, LPARAM lParam);
    void OnCaptureLost();
    RECT CaptionRect();

    QelCheckBoxXP& box_;
    WindowPointerSource pointer_;
    // The left button went down on the box with a single click (not a double click's second).
    bool clickPending_ = false;
};

}  // namespace sentrel
