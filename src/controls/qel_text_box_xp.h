#pragma once
// The program's XP-styled single-line text box: a standard edit box inside a thin blue-grey
// outline on white. It can admit digits only (InputType 1), select its whole text when it gets
// the focus, and hand the focus to another control after every key press.
#include <cstdint>
#include <optional>
#include <string>

#include "controls/control_events.h"
#include "controls/property_bag.h"
#include "controls/text_box_layout.h"
#include "ui/control.h"
#include "ui/widgets.h"

namespace sentrel {

class QelTextBoxXP : public Control {
public:
    explicit QelTextBoxXP(std::string name);

    const std::string& Text() const { return text_; }
    // Setting the text raises Change when it differs from the text held, as the edit box does.
    void SetText(const std::string& text);

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);

    // 0: any input; 1: digits only.
    long InputType() const { return inputType_; }
    void SetInputType(long inputType) { inputType_ = inputType; }

    bool HighlightOnFocus() const { return highlightOnFocus_; }
    void SetHighlightOnFocus(bool highlight) { highlightOnFocus_ = highlight; }

    // The control that receives the focus after every key press in the box, or none.
    Control* ActivateCtrlOnReturnKey() const { return activateCtrl_; }
    void SetActivateCtrlOnReturnKey(Control* control) { activateCtrl_ = control; }

    // The members; the edit box shows the colours it was given (see InnerBackColor).
    Colour BackColor() const { return backColour_; }
    void SetBackColor(Colour colour);
    Colour ForeColor() const { return foreColour_; }
    void SetForeColor(Colour colour);
    Colour InnerBackColor() const { return innerBackColour_; }
    Colour InnerForeColor() const { return innerForeColour_; }
    // Empty until set or loaded: the edit box keeps the window's font.
    const std::optional<Font>& GetFont() const { return font_; }
    void SetFont(const Font& font);

    long BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(long style);
    int Appearance() const { return appearance_; }
    void SetAppearance(int appearance);
    Colour BorderColor() const { return borderColour_; }
    void SetBorderColor(Colour colour);
    // The colour the outline is drawn in.
    Colour OutlineColour() const { return outlineColour_; }
    int BorderWidth() const { return borderWidth_; }
    // 0 becomes 1.
    void SetBorderWidth(int width);
    long DrawMode() const { return drawMode_; }
    void SetDrawMode(long mode);
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    bool MultiLine() const { return multiLine_; }
    long MaxLength() const { return maxLength_; }
    void SetMaxLength(long length);
    const std::string& PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(const std::string& character);

    // The last values stored through these properties or by the focus highlight, not the
    // edit box's live selection.
    long SelStart() const { return selStart_; }
    void SetSelStart(long start);
    long SelLength() const { return selLength_; }
    void SetSelLength(long length);
    const std::string& SelText() const { return selText_; }
    // Replaces the edit box's selection with the text.
    void SetSelText(const std::string& text);
    // Grows whenever the selection above is set; the host then selects it in the edit box.
    unsigned SelectionRevision() const { return selectionRevision_; }

    // The inner edit box's window handle, which the host hands over once it has made it.
    std::uintptr_t hWnd() const { return innerWindow_; }  // NOLINT(readability-identifier-naming)
    void SetInnerWindow(std::uintptr_t handle) { innerWindow_ = handle; }
    // Repaints the control at once.
    void Refresh() { Changed(); }

    // The edit box's place inside the control, in twips.
    const Bounds& InnerBox() const { return innerBox_; }
    // The layout step of every resize.
    void ApplyLayout();

    // Events, in their declared order.
    PlainEvent Click;
    PlainEvent DblClick;
    KeyCodeEvent KeyDown;
    KeyAsciiEvent KeyPress;
    KeyCodeEvent KeyUp;
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;
    PlainEvent Change;
    // CurrentInputType refers to the box's own InputType: a handler that assigns it changes it.
    std::function<void(long& currentInputType, int& keyAscii)> InvalidKeyPressed;

    // Gives the focus to another control; the host installs it.
    std::function<void(Control& target)> FocusControl;

    // Inputs from the host.
    // The host reports text the user typed or pasted.
    void UserChangedText(const std::string& text) { SetText(text); }
    // The key filter: returns the key to let through, 0 to swallow it.
    int HandleKeyPress(int keyAscii);
    // What a paste of the text puts into the box: with digits only, its digits.
    std::string PastedText(const std::string& pasted) const;
    void HandleKeyDown(int keyCode, int shift);
    void HandleKeyUp(int keyCode, int shift);
    void HandleGotFocus();
    void HandleClick() { Raise(Click); }
    void HandleDblClick() { Raise(DblClick); }
    void HandleMouseDown(int button, int shift, float x, float y);
    void HandleMouseMove(int button, int shift, float x, float y);
    void HandleMouseUp(int button, int shift, float x, float y);

    void ReadProperties(const PropertyBag& layout, const AmbientProperties& ambient);
    void WriteProperties(PropertyBag& bag, const AmbientProperties& ambient) const;

private:
    void SelectionChanged();

    Control* activateCtrl_ = nullptr;
    bool highlightOnFocus_ = false;
    long inputType_ = 0;
    std::string text_;
    Colour backColour_ = 0;
    Colour foreColour_ = 0;
    std::optional<Font> font_;
    long borderStyle_ = 1;
    Alignment alignment_ = Alignment::Left;
    int appearance_ = 0;
    Colour borderColour_ = kTextBoxBorderColour;
    int borderWidth_ = 1;
    long drawMode_ = 13;
    bool locked_ = false;
    bool multiLine_ = false;
    long maxLength_ = 0;
    std::string passwordChar_;
    long selLength_ = 0;
    long selStart_ = 0;
    std::string selText_;

    Colour innerBackColour_ = Rgb(255, 255, 255);
    Colour innerForeColour_ = 0;
    Colour outlineColour_ = kTextBoxBorderColour;
    Bounds innerBox_ = kTextBoxDesignInnerBox;
    unsigned selectionRevision_ = 0;
    std::uintptr_t innerWindow_ = 0;
};

// The number of characters of a UTF-8 text, as the edit box counts positions.
long CharacterCount(const std::string& text);

}  // namespace sentrel
