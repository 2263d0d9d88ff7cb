#pragma once
// Where the controls' hover tests get the cursor and their own window from: the host reads the
// real system (GetCursorPos, GetWindowRect), tests supply fixed values.
#include "ui/geometry.h"

namespace sentrel {

class PointerSource {
public:
    virtual ~PointerSource() = default;
    // The cursor position in screen pixels.
    virtual Point CursorPos() = 0;
    // The control's own window rectangle in screen pixels.
    virtual Rect WindowRect() = 0;
};

// The cursor in the control's client pixels, for controls without a non-client area.
inline Point CursorInClient(PointerSource& pointer) {
    const Point cursor = pointer.CursorPos();
    const Rect window = pointer.WindowRect();
    return {cursor.x - window.left, cursor.y - window.top};
}

}  // namespace sentrel
