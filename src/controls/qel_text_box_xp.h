#pragma once
// The program's XP-styled single-line text box.
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/widgets.h"

namespace sentrel {

class QelTextBoxXP : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Setting the text raises Change when it differs from the text held, as the edit box does.
    void SetText(const std::string& text);

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);

    // 0: any input; 1: digits only.
    int InputType() const { return inputType_; }
    void SetInputType(int inputType) { inputType_ = inputType; }

    std::function<void()> Change;
    // The host reports text the user typed or pasted.
    void UserChangedText(const std::string& text) { SetText(text); }

private:
    std::string text_;
    Alignment alignment_ = Alignment::Left;
    int inputType_ = 0;
};

}  // namespace sentrel
