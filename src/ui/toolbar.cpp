#include "ui/toolbar.h"

namespace sentrel {

void Toolbar::AddButton(ToolbarButton button) {
    buttons_.push_back(std::move(button));
    Changed();
}

void Toolbar::SetButtonValue(int index, bool pressed) {
    auto& button = buttons_.at(static_cast<size_t>(index - 1));
    if (button.pressed != pressed) {
        button.pressed = pressed;
        Changed();
    }
}

int Toolbar::PressedIndex() const {
    for (int i = 1; i <= ButtonCount(); ++i) {
        if (Button(i).pressed) {
            return i;
        }
    }
    return 0;
}

int Toolbar::ButtonAfterPressed(int step) const {
    const int count = ButtonCount();
    if (count == 0) {
        return 0;
    }
    const int from = PressedIndex() > 0 ? PressedIndex() - 1 : 0;
    return ((from + step) % count + count) % count + 1;
}

}  // namespace sentrel
