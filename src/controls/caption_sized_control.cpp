#include "controls/caption_sized_control.h"

#include <algorithm>

namespace sentrel {

void CaptionSizedControl::SetBounds(const Bounds& bounds) {
    room_ = bounds.width > 0 ? bounds.width : std::numeric_limits<int>::max();
    Control::SetBounds(bounds);
    ApplyResizeRule();
}

void CaptionSizedControl::SizeTo(Size wanted) {
    Bounds bounds = GetBounds();
    bounds.width = std::min(wanted.width, room_);
    bounds.height = wanted.height;
    Control::SetBounds(bounds);
}

}  // namespace sentrel
