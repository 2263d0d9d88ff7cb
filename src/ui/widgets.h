#pragma once
// The toolkit's simple controls: label, frame, image and timer.
#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"
#include "ui/font.h"

namespace sentrel {

enum class Alignment : int { Left = 0, Right = 1, Centre = 2 };

class Label : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Empty: the window-text colour of the system.
    std::optional<Colour> ForeColor() const { return foreColour_; }
    void SetForeColor(Colour colour);

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);

private:
    std::string caption_;
    std::optional<Colour> foreColour_;
    Font font_;
    Alignment alignment_ = Alignment::Left;
};

// A captioned group box; the tab pages are frames without a caption.
class Frame : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    std::optional<Colour> ForeColor() const { return foreColour_; }
    void SetForeColor(Colour colour);

private:
    std::string caption_;
    std::optional<Colour> foreColour_;
};

// A picture from the program's resources, named by resource name.
class Image : public Control {
public:
    using Control::Control;

    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& resourceName);

    // The hand cursor that marks a picture as clickable.
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool hand);

    std::function<void()> Click;
    void RaiseClick() {
        if (Click) {
            Click();
        }
    }

private:
    std::string picture_;
    bool handCursor_ = false;
};

// A user-interface timer: ticks on the window's thread while enabled.
class Timer : public Control {
public:
    explicit Timer(std::string name, int intervalMs)
        : Control(std::move(name)), interval_(intervalMs) {
        Control::SetEnabled(false);
    }

    int Interval() const { return interval_; }
    void SetInterval(int ms);

    std::function<void()> Tick;
    // The host calls this on every WM_TIMER of the timer.
    void RaiseTick() {
        if (Tick) {
            Tick();
        }
    }

private:
    int interval_;
};

}  // namespace sentrel
