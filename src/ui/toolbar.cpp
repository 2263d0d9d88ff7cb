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

}  // namespace sentrel
