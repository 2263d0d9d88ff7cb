#include "controls/qel_text_box_xp.h"

namespace sentrel {

void QelTextBoxXP::SetText(const std::string& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    Changed();
    if (Change) {
        Change();
    }
}

void QelTextBoxXP::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    Changed();
}

}  // namespace sentrel
