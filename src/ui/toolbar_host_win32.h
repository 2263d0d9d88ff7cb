#pragma once
// The Toolbar on a common-controls toolbar: check-style text buttons used as tabs, with tool tips.
#include <optional>
#include <string>
#include <vector>

#include "ui/host_base_win32.h"
#include "ui/toolbar.h"

namespace sentrel {

// Sent to the toolbar's parent when a key shows a page: wParam the page's button, or 0 with
// lParam the step from the pressed button (1 the next, -1 the previous, wrapping).
inline constexpr UINT kMsgPageByKey = WM_APP + 0x41;

// The toolbar is one tab stop: Left and Right move between its buttons, Space and Enter show
// that button's page.
class ToolbarHost : public WindowHost {
public:
    ToolbarHost(Toolbar& model, const HostContext& context);
    ~ToolbarHost() override;
    ToolbarHost(const ToolbarHost&) = delete;
    ToolbarHost& operator=(const ToolbarHost&) = delete;
    void Mirror() override;
    bool OnCommandId(WORD commandId, WORD notifyCode) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void AddButtons();
    void MirrorPressed();
    const std::wstring* TipOf(UINT_PTR commandId) const;
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    std::optional<LRESULT> OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowKeyButton(int index);

    Toolbar& toolbar_;
    // The toolbar keeps pointers to the caption strings; they live as long as the host.
    std::vector<std::wstring> captions_;
    std::vector<std::wstring> tips_;
    int keyButton_ = 1;  // the button the keys are on while the toolbar has the focus
};

}  // namespace sentrel
