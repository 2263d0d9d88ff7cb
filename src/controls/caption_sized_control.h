#pragma once
// A control that sizes itself to its caption (the check box, the hyperlink). The bounds the
// window gives it are its place and the most width it may take: a caption too long for that
// room is clipped inside the control rather than laid over its neighbour.
#include <limits>

#include "ui/control.h"

namespace sentrel {

class CaptionSizedControl : public Control {
public:
    using Control::Control;

    void SetBounds(const Bounds& bounds) override;
    // The control's own resize rule: its size for its caption, within the room.
    virtual void ApplyResizeRule() = 0;

protected:
    void SizeTo(Size wanted);

private:
    int room_ = std::numeric_limits<int>::max();
};

}  // namespace sentrel
