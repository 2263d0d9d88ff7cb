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

// The events that the check box and the command button raise alike, in their declared order,
// and the key inputs: each key is passed on as its event, then the control acts on the keys of
// a standard button (OnKeyDown, OnKeyUp).
struct ButtonEvents {
    PlainEvent Click;
    KeyCodeEvent KeyDown;
    KeyAsciiEvent KeyPress;
    KeyCodeEvent KeyUp;
    PlainEvent MouseOut;
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;

    // `repeat`: the key was already down (the keyboard's auto-repeat).
    void HandleKeyDown(int keyCode, int shift, bool repeat = false) {
        Raise(KeyDown, keyCode, shift);
        OnKeyDown(keyCode, repeat);
    }
    // Returns the key as the handlers left it.
    int HandleKeyPress(int keyAscii) {
        Raise(KeyPress, keyAscii);
        return keyAscii;
    }
    void HandleKeyUp(int keyCode, int shift) {
        Raise(KeyUp, keyCode, shift);
        OnKeyUp(keyCode);
    }
    // The focus went elsewhere: a key press under way ends without a click.
    virtual void HandleFocusLost() {}

    ButtonEvents() = default;
    ButtonEvents(const ButtonEvents&) = delete;
    ButtonEvents& operator=(const ButtonEvents&) = delete;
    ButtonEvents(ButtonEvents&&) = delete;
    ButtonEvents& operator=(ButtonEvents&&) = delete;
    virtual ~ButtonEvents() = default;

protected:
    virtual void OnKeyDown(int /*keyCode*/, bool /*repeat*/) {}
    virtual void OnKeyUp(int /*keyCode*/) {}
};

// What the hosting window tells a control about itself when it is placed or loaded.
struct AmbientProperties {
    std::string displayName;  // the name the window gives the instance
    Font font;                // the window's font
    // Finds a control of the window by name (a saved reference to another control).
    std::function<Control*(const std::string& name)> findControl;
};

// A text's size in pixels at the DPI it was measured at. The cheapest guess (at 96 dpi) serves
// until a host measures with the real font at its window's DPI.
struct TextExtent {
    int width = 0;
    int height = 0;
    int dpi = 96;
};
using TextMeasure = std::function<TextExtent(const std::string& text, const Font& font)>;
TextExtent EstimateTextExtent(const std::string& text, const Font& font);

}  // namespace sentrel
