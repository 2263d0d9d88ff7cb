#pragma once
// The one window procedure entry of the program's own window classes: `this` is stored at
// WM_NCCREATE (from CreateWindowExW's last argument) and every later message goes to
// T::HandleMessage. No exception leaves the procedure.
#include <windows.h>

#include <exception>

namespace sentrel {

// Reports an exception caught at a window procedure boundary to the debugger.
void ReportWindowProcFailure(const char* what) noexcept;

template <class T>
LRESULT CALLBACK WindowProcFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& e) {
        ReportWindowProcFailure(e.what());
    } catch (...) {
        ReportWindowProcFailure("unknown exception");
    }
    return 0;
}

// Forgets the object behind a window before the object goes away.
inline void DetachWindowObject(HWND window) {
    if (window != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
}

// Registers the class once per process (later calls find it registered).
void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure,
                         HCURSOR cursor = nullptr, HICON icon = nullptr);

}  // namespace sentrel
