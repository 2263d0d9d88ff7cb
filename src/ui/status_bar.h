#pragma once
// The status bar model: panels addressed by key.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace sentrel {

struct StatusPanel {
    std::string key;
    std::string text;
    std::string toolTip;
    int widthTwips = 0;  // 0: takes the width the other panels leave
};

class StatusBar : public Control {
public:
    using Control::Control;

    void AddPanel(StatusPanel panel);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const StatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index - 1)); }
    // Throws std::out_of_range for an unknown key: the keys are fixed by the layout.
    const StatusPanel& Panel(const std::string& key) const;
    void SetPanelText(const std::string& key, const std::string& text);
    void SetPanelToolTip(const std::string& key, const std::string& toolTip);

    std::function<void(int index)> PanelClick;
    void RaisePanelClick(int index) {
        if (PanelClick && index >= 1 && index <= PanelCount()) {
            PanelClick(index);
        }
    }

private:
    StatusPanel& Find(const std::string& key);
    std::vector<StatusPanel> panels_;
};

}  // namespace sentrel
