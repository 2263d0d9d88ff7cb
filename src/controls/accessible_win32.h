#pragma once
// The program's own controls described to screen readers (Active Accessibility): a control
// answers WM_GETOBJECT for its client area with an IAccessible that tells its role, name,
// state, default action and value, and leaves the rest (place, parent, navigation, focus) to the
// system's standard object for the window. oleacc is not a known DLL: it is loaded by full path
// from the system folder on first use, and the program does not import it.
#include <windows.h>

#include <optional>
#include <string>

namespace sentrel {

// What a control says about itself; a field left empty is the system's object's answer.
struct AccessibleFacts {
    std::optional<long> role;
    std::optional<std::string> name;
    std::optional<long> state;
    std::optional<std::string> defaultAction;
    std::optional<std::string> value;
};

class AccessibleSource {
public:
    virtual AccessibleFacts Describe() = 0;
    // Does what the default action says, as a click would.
    virtual void DoDefaultAction() = 0;

protected:
    AccessibleSource() = default;
    ~AccessibleSource() = default;
    AccessibleSource(const AccessibleSource&) = default;
    AccessibleSource& operator=(const AccessibleSource&) = default;
};

// Finds the source of a window, or null once the control is gone (a screen reader may keep
// the object longer than the window lives).
using AccessibleLookup = AccessibleSource* (*)(HWND window);

// The answer to WM_GETOBJECT: the control's own object for OBJID_CLIENT; nothing for any other
// object, which the caller leaves to DefWindowProc.
std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam,
                                       AccessibleLookup lookup);

// Tells screen readers that the control's state (EVENT_OBJECT_STATECHANGE) or name
// (EVENT_OBJECT_NAMECHANGE) changed.
void NotifyAccessibleEvent(HWND window, DWORD event);

// A function of oleacc.dll, from the system folder; null where it is missing.
FARPROC OleaccFunction(const char* name);

}  // namespace sentrel
