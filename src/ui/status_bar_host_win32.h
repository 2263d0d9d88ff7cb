#pragma once
// The StatusBar on a common-controls status bar: one part per panel, texts and tool tips.
#include <optional>
#include <string>
#include <vector>

#include "ui/host_base_win32.h"
#include "ui/status_bar.h"

namespace sentrel {

class StatusBarHost : public WindowHost {
public:
    StatusBarHost(StatusBar& model, const HostContext& context);
    void Mirror() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void MirrorParts();
    void MirrorPanels();

    StatusBar& bar_;
    std::vector<std::optional<std::string>> shownTexts_;
    std::vector<std::optional<std::string>> shownTips_;
};

// The right edges of the parts: fixed panels keep their width (in pixels); panels of width 0
// share what is left, and the last part reaches the right end (-1).
std::vector<int> StatusPartEdges(const std::vector<int>& widthsPixels, int totalPixels);

}  // namespace sentrel
