#pragma once
// The hyperlink's window: the label text in the link or highlight colour, the hand cursor,
// mouse-out polling on a window timer, and the click, which the link's site (the holding
// window's) carries out.
#include <memory>

#include "controls/hyper_link.h"
#include "controls/xp_host_base_win32.h"

namespace sentrel {

class HyperLinkHost : public XpHostBase {
public:
    HyperLinkHost(HyperLink& model, const HostContext& context);
    ~HyperLinkHost() override;

    void Mirror() override;
    AccessibleFacts Describe() override;

private:
    void OnDefaultAction() override { Click(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    HBRUSH ParentBackground(HDC dc);
    void Click();

    HyperLink& link_;
    WindowPointerSource pointer_;
    bool pressed_ = false;  // the left button went down on the link; the press is not over
};

}  // namespace sentrel
