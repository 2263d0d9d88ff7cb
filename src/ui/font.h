#pragma once
#include <string>

namespace sentrel {

// A font as the layout names it; the Win32 layer turns it into a GDI font at the window's DPI.
struct Font {
    std::string name = "Tahoma";
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace sentrel
