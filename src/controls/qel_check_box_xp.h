#pragma once
// The program's XP-styled check box: Value 0 or 1, a caption, and Click on every toggle by the user.
#include <functional>
#include <string>

#include "ui/control.h"

namespace sentrel {

class QelCheckBoxXP : public Control {
public:
    using Control::Control;

    int Value() const { return value_; }
    // Clamped into 0..1; setting it from code raises no Click.
    void SetValue(int value);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    std::function<void()> Click;
    // A click on the box or its caption: toggles, then raises Click.
    void UserClick();

private:
    int value_ = 0;
    std::string caption_;
};

}  // namespace sentrel
