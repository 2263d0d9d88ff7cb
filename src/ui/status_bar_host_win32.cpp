#include "ui/status_bar_host_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "base/text_win32.h"

namespace sentrel {

std::vector<int> StatusPartEdges(const std::vector<int>& widthsPixels, int totalPixels) {
    int fixed = 0;
    int flexible = 0;
    for (int w : widthsPixels) {
        fixed += w;
        flexible += w == 0 ? 1 : 0;
    }
    const int share = flexible > 0 ? std::max(0, totalPixels - fixed) / flexible : 0;
    std::vector<int> edges;
    int right = 0;
    for (int w : widthsPixels) {
        right += w == 0 ? share : w;
        edges.push_back(right);
    }
    if (!edges.empty()) {
        edges.back() = -1;
    }
    return edges;
}

StatusBarHost::StatusBarHost(StatusBar& model, const HostContext& context)
    : WindowHost(model, context), bar_(model) {
    CreateChild(STATUSCLASSNAMEW, SBT_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                0, "");
    MirrorParts();
    MirrorPanels();
}

void StatusBarHost::Mirror() {
    MirrorPlacement();
    if (bar_.PanelCount() != static_cast<int>(shownTexts_.size())) {
        MirrorParts();
    }
    MirrorPanels();
}

void StatusBarHost::MirrorParts() {
    std::vector<int> widths;
    for (int i = 1; i <= bar_.PanelCount(); ++i) {
        widths.push_back(Pixels(bar_.Panel(i).widthTwips));
    }
    const RECT r = PixelBounds();
    std::vector<int> edges = StatusPartEdges(widths, r.right - r.left);
    SendMessageW(Window(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    // Nothing shown yet: every panel is written once.
    shownTexts_.assign(static_cast<size_t>(bar_.PanelCount()), std::nullopt);
    shownTips_.assign(static_cast<size_t>(bar_.PanelCount()), std::nullopt);
}

// The status bar's own window text is the first panel's text, so WM_GETTEXT answers with it.
void StatusBarHost::MirrorPanels() {
    for (int i = 1; i <= bar_.PanelCount(); ++i) {
        const StatusPanel& panel = bar_.Panel(i);
        auto& shownText = shownTexts_[static_cast<size_t>(i - 1)];
        auto& shownTip = shownTips_[static_cast<size_t>(i - 1)];
        const WPARAM part = static_cast<WPARAM>(i - 1);
        if (shownText != panel.text) {
            shownText = panel.text;
            const std::wstring text = Utf8ToWide(panel.text);
            SendMessageW(Window(), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (shownTip != panel.toolTip) {
            shownTip = panel.toolTip;
            const std::wstring tip = Utf8ToWide(panel.toolTip);
            SendMessageW(Window(), SB_SETTIPTEXTW, part, reinterpret_cast<LPARAM>(tip.c_str()));
        }
    }
}

bool StatusBarHost::OnNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    if (header->code != NM_CLICK) {
        return false;
    }
    const auto* mouse = reinterpret_cast<const NMMOUSE*>(header);
    const auto part = static_cast<int>(mouse->dwItemSpec);
    if (part >= 0 && part < bar_.PanelCount()) {
        bar_.RaisePanelClick(part + 1);
    }
    return true;
}

}  // namespace sentrel
