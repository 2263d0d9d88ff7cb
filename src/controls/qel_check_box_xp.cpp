#include "controls/qel_check_box_xp.h"

namespace sentrel {

void QelCheckBoxXP::SetValue(int value) {
    value_ = value < 0 ? 0 : (value > 1 ? 1 : value);
    Changed();
}

void QelCheckBoxXP::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void QelCheckBoxXP::UserClick() {
    SetValue(value_ == 1 ? 0 : 1);
    if (Click) {
        Click();
    }
}

}  // namespace sentrel
