#include "controls/control_events.h"

#include <cmath>

namespace sentrel {

TextExtent EstimateTextExtent(const std::string& text, const Font& font) {
    // Tahoma 8.25 pt at 96 dpi: about 5 pixels a character and 13 pixels a line.
    const double scale = font.points / 8.25;
    const int height = static_cast<int>(std::lround(13 * scale));
    if (text.empty()) {
        return {0, height};
    }
    return {static_cast<int>(std::lround(static_cast<double>(text.size()) * 5 * scale)), height};
}

}  // namespace sentrel
