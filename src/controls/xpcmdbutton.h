#pragma once
// The program's XP-styled push button: a face painted from the five-cell face strip (normal,
// pressed, disabled, hover, highlighted), a centred caption, and a 10 ms timer that notices
// the mouse leaving. It clicks for a left press and release on it, for the space bar let go
// and for Enter, as a standard button does.
#include <optional>
#include <string>

#include "controls/button_face.h"
#include "controls/control_events.h"
#include "controls/pointer_source.h"
#include "controls/property_bag.h"
#include "ui/control.h"
#include "ui/widgets.h"

namespace sentrel {

constexpr Colour kButtonCaptionColour = 0;
constexpr Colour kButtonDisabledCaptionColour = Rgb(161, 161, 146);

// An optional picture left of the caption: a resource name and its width in pixels.
struct ButtonPicture {
    std::string resource;
    int widthPixels = 16;
    friend bool operator==(const ButtonPicture&, const ButtonPicture&) = default;
};

// NOLINTNEXTLINE(readability-identifier-naming): the control's own name
class xpcmdbutton : public Control, public ButtonEvents {
public:
    explicit xpcmdbutton(std::string name);

    // 0: the idle face is the normal face; 1: the blue-framed highlighted face.
    int State() const { return state_; }
    void SetState(int state);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    void SetEnabled(bool enabled) override;

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);

    // Stored and saved only.
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer) { mousePointer_ = pointer; }

    const std::optional<ButtonPicture>& PictureNormal() const { return picture_; }
    void SetPictureNormal(const std::optional<ButtonPicture>& picture);

    // What the host paints.
    int IdleFace() const { return idleFace_; }
    int Face() const { return face_; }
    Colour CaptionColour() const {
        return Enabled() ? kButtonCaptionColour : kButtonDisabledCaptionColour;
    }
    // The caption's access key (the character after a single '&'), or 0.
    char AccessKey() const;

    // Events: ButtonEvents.

    // Inputs from the host; x and y in the button's client pixels.
    void HandleMouseDown(int button, int shift, float x, float y);
    void HandleMouseMove(int button, int shift, float x, float y);
    void HandleMouseUp(int button, int shift, float x, float y);
    void HandleAccessKey();
    // A complete click by the user.
    void UserClick();
    // Another window took the mouse mid-press: the press ends without a click.
    void HandleCaptureLost();
    void HandleFocusLost() override;

    // The hover timer; the host runs it as a window timer.
    Timer Timer1{"Timer1", 10};
    // Also gives the button's size in pixels (its window rectangle).
    void SetPointerSource(PointerSource* pointer) { pointer_ = pointer; }

    // Face refresh: the idle face follows State; a disabled button shows face 2.
    void RefreshFace();

    void ReadProperties(const PropertyBag& bag, const AmbientProperties& ambient);
    void WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const;

private:
    void OnKeyDown(int keyCode, bool repeat) override;
    void OnKeyUp(int keyCode) override;
    void Paint(int face);
    void OnTimer();
    // The cursor in client pixels and whether it lies on the button, edges included.
    bool CursorOnButton();
    // The button's size in pixels: its window's, or its bounds' before it has a window.
    Size ClientSize() const;

    int state_ = 0;
    Font font_;
    int mousePointer_ = 0;
    std::optional<ButtonPicture> picture_;
    std::string caption_;
    int idleFace_ = kFaceNormal;
    int face_ = kFaceNormal;
    bool mousePressed_ = false;  // a left press began on the button and is not over yet
    bool spaceDown_ = false;
    PointerSource* pointer_ = nullptr;
};

}  // namespace sentrel
