#pragma once
// The event shapes the XP controls raise. Every argument is passed by reference, so a handler
// may change it (a KeyPress handler may swallow a key by setting KeyAscii to 0).
#include <functional>
#include <string>

#include "ui/font.h"

namespace sentrel {

class Control;

using PlainEvent = std::function<void()>;
using KeyCodeEvent = std::function<void(int& keyCode, int& shift)>;
using KeyAsciiEvent = std::function<void(int& keyAscii)>;
// Button 1 is the left button, 2 the right, 4 the middle; X and Y in the control's units.
using MouseEvent = std::function<void(int& button, int& shift, float& x, float& y)>;

template <class Event, class... Args>
void Raise(const Event& event, Args&... args) {
    if (event) {
        event(args...);
    }
}

// What the hosting window tells a control about itself when it is placed or loaded.
struct AmbientProperties {
    std::string displayName;  // the name the window gives the instance
    Font font;                // the window's font
    // Finds a control of the window by name (a saved reference to another control).
    std::function<Control*(const std::string& name)> findControl;
};

// The cheapest guess of a text's size, used until a host measures with the real font.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using TextMeasure = std::function<TextExtent(const std::string& text, const Font& font)>;
TextExtent EstimateTextExtent(const std::string& text, const Font& font);

}  // namespace sentrel
