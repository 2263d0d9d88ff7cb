#pragma once
// The program's XP-styled push button.
#include <functional>
#include <string>

#include "ui/control.h"

namespace sentrel {

class xpcmdbutton : public Control {  // NOLINT(readability-identifier-naming): the control's own name
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    std::function<void()> Click;
    void UserClick() {
        if (Enabled() && Click) {
            Click();
        }
    }

private:
    std::string caption_;
};

}  // namespace sentrel
