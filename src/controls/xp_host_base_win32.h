#pragma once
// What the four XP control hosts share: a custom window of their own class whose procedure
// dispatches to the host, the model's place and visibility mirrored onto it, fonts at the
// window's DPI, text measuring, the model's timers run as window timers, and a flicker-free
// back buffer for painting.
#include <windows.h>

#include "ui/gdi_win32.h"
#include "ui/host_base_win32.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/handles_win32.h"
#include "controls/accessible_win32.h"
#include "controls/control_events.h"
#include "controls/pointer_source.h"
#include "ui/host_win32.h"
#include "ui/widgets.h"

namespace sentrel {

// Mouse buttons (1 left, 2 right, 4 middle) as the controls' events report them; the shift
// state comes from CurrentShiftState.
int MouseButtonsOf(WPARAM wParam);

// Keys go to the control as they come, and a change of focus repaints the focus rectangle: the
// same for the check box and the button. Nothing when the message is none of these.
std::optional<LRESULT> ForwardKeysAndFocus(HWND window, ButtonEvents& control, UINT message,
                                           WPARAM wParam, LPARAM lParam);

// Whether WM_GETDLGCODE (its lParam) asks about Enter or Esc going down: keys that the window's
// dialog navigation keeps for itself unless the control answers DLGC_WANTMESSAGE.
bool AsksForEnterOrEscape(LPARAM lParam);

// Draws one line of text in the selected font with each character where GetTextExtentExPointW
// puts it, so the text takes exactly its measured width: Wine draws some sizes of a font wider
// or narrower than it measures them.
void DrawMeasuredText(HDC dc, const std::string& text, int x, int y);

// The cursor and the window's rectangle, read from the system at each call.
class WindowPointerSource : public PointerSource {
public:
    explicit WindowPointerSource(HWND window) : window_(window) {}
    Point CursorPos() override;
    Rect WindowRect() override;

private:
    HWND window_;
};

// Runs a Timer model as a window timer of one window, following its Enabled and Interval.
class WindowTimer {
public:
    WindowTimer(Timer& timer, HWND window, UINT_PTR id);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    bool Owns(WPARAM timerId) const { return timerId == id_; }
    void Tick() { timer_.RaiseTick(); }

private:
    void Sync();

    Timer& timer_;
    HWND window_;
    UINT_PTR id_;
    bool running_ = false;
    int interval_ = 0;
};

// Paints into a memory bitmap the size of the client area and copies it to the target in one go
// when it ends.
class BackBuffer {
public:
    BackBuffer(HDC target, const RECT& client);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    HDC Dc() const { return dc_.Get(); }

private:
    HDC target_;
    SIZE size_;
    UniqueMemoryDc dc_;
    UniqueGdiObject bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

// Whether the user has high contrast on: the controls then paint in the system's colours.
bool HighContrastOn();

class XpHostBase : public ControlHost, public AccessibleSource {
public:
    ~XpHostBase() override;
    HWND Window() const override { return window_.Get(); }

    // The model whose window this is, for any window of the four XP hosts.
    static Control* ModelOfWindow(HWND window);
    // The host of such a window, as a screen reader's object finds it; null once it is gone.
    static AccessibleSource* AccessibleSourceOf(HWND window);

    // Screen readers' default action: carried out once their call has returned, as a click.
    void DoDefaultAction() override;
    // Gives the focus to the window of a control, searching the top-level window of `from`.
    static bool FocusControlWindow(HWND from, const Control& target);

protected:
    XpHostBase(Control& model, const HostContext& context);

    // Made hidden, at the model's place: the host's first Mirror shows it as the model says.
    void CreateOwnWindow(const wchar_t* className, UINT classStyle, HCURSOR cursor, DWORD style,
                         DWORD exStyle);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnPaint(HDC dc) = 0;
    // Runs the control's timer (each has at most one) as a timer of its window.
    void RunTimer(Timer& timer);
    static constexpr UINT_PTR kControlTimerId = 1;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(window_.Get(), message, wParam, lParam);
    }

    // WM_GETOBJECT: the control's own object for its client area.
    LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam);
    // Raises the screen readers' events for a tick, an untick, enabling, disabling or a new
    // caption since the last call; the hosts call it after mirroring.
    void AnnounceChanges();
    // What the default action does (a click, by default nothing).
    virtual void OnDefaultAction() {}

    // Place (twips to pixels at the window's DPI), visibility and enabled state.
    void MirrorPlacement();
    void MirrorWindowText(const std::string& text);
    HFONT FontFor(const Font& font);
    TextExtent Measure(const std::string& text, const Font& font);
    // A TextMeasure for the model; valid while the host lives.
    TextMeasure MeasureFunction() {
        return [this](const std::string& text, const Font& font) { return Measure(text, font); };
    }
    int Dpi() const { return context_.dpi; }
    HINSTANCE Instance() const;

    Control& model_;
    HostContext context_;
    UniqueWindow window_;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::pair<Font, UniqueGdiObject>> fonts_;
    std::unique_ptr<WindowTimer> timer_;
    std::optional<std::pair<long, std::string>> announced_;  // state bits and name
};

}  // namespace sentrel
