#pragma once
// The Toolbar on a common-controls toolbar: check-style text buttons used as tabs, with tool tips.
#include <string>
#include <vector>

#include "ui/host_base_win32.h"
#include "ui/toolbar.h"

namespace sentrel {

class ToolbarHost : public WindowHost {
public:
    ToolbarHost(Toolbar& model, const HostContext& context);
    void Mirror() override;
    bool OnCommandId(WORD commandId, WORD notifyCode) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void AddButtons();
    void MirrorPressed();
    const std::wstring* TipOf(UINT_PTR commandId) const;

    Toolbar& toolbar_;
    // The toolbar keeps pointers to the caption strings; they live as long as the host.
    std::vector<std::wstring> captions_;
    std::vector<std::wstring> tips_;
};

}  // namespace sentrel
