#pragma once
// The toolbar model: check-style buttons used as a tab strip.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace sentrel {

struct ToolbarButton {
    std::string caption;
    std::string tag;
    std::string toolTip;
    bool pressed = false;
};

class Toolbar : public Control {
public:
    using Control::Control;

    void AddButton(ToolbarButton button);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // Buttons are numbered from 1, as the toolbar's Index has them.
    const ToolbarButton& Button(int index) const {
        return buttons_.at(static_cast<size_t>(index - 1));
    }
    void SetButtonValue(int index, bool pressed);
    // The first pressed button, or 0.
    int PressedIndex() const;
    // The button `step` places after the pressed one (before it for a negative step), wrapping
    // round: the page that Ctrl+Tab (1) or Ctrl+Shift+Tab (-1) shows.
    int ButtonAfterPressed(int step) const;

    std::function<void(int index)> ButtonClick;
    // The host calls this when the user clicks a button.
    void RaiseButtonClick(int index) {
        if (ButtonClick && index >= 1 && index <= ButtonCount()) {
            ButtonClick(index);
        }
    }

private:
    std::vector<ToolbarButton> buttons_;
};

}  // namespace sentrel
