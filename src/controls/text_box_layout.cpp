#include "controls/text_box_layout.h"

namespace sentrel {

Bounds TextBoxInnerBox(int width, int height, const Bounds& previous) {
    Bounds inner = previous;
    inner.left = kTextBoxDesignInnerBox.left;
    inner.top = kTextBoxDesignInnerBox.top;
    if (width - 145 >= 0) {
        inner.width = width - 145;
    }
    if (height - 120 >= 0) {
        inner.height = height - 120;
    }
    return inner;
}

}  // namespace sentrel
