#include "controls/xpcmdbutton.h"

namespace sentrel {

void xpcmdbutton::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

}  // namespace sentrel
