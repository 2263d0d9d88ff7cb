#include "ui/status_bar.h"

#include <stdexcept>

namespace sentrel {

void StatusBar::AddPanel(StatusPanel panel) {
    panels_.push_back(std::move(panel));
    Changed();
}

StatusPanel& StatusBar::Find(const std::string& key) {
    for (auto& panel : panels_) {
        if (panel.key == key) {
            return panel;
        }
    }
    throw std::out_of_range("no status panel " + key);
}

const StatusPanel& StatusBar::Panel(const std::string& key) const {
    return const_cast<StatusBar*>(this)->Find(key);
}

void StatusBar::SetPanelText(const std::string& key, const std::string& text) {
    Find(key).text = text;
    Changed();
}

void StatusBar::SetPanelToolTip(const std::string& key, const std::string& toolTip) {
    Find(key).toolTip = toolTip;
    Changed();
}

}  // namespace sentrel
