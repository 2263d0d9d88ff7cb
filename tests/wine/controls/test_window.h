#pragma once
// A plain top-level window to hold one control host, with the means to drive it like a user:
// the real cursor moved with SetCursorPos, mouse messages posted, messages pumped so that
// window timers run, and the client area printed to read its pixels.
#include <windows.h>

#include <memory>

#include "base/handles_win32.h"
#include "ui/host_win32.h"

namespace sentrel::test {

class TestWindow {
public:
    // One window serves the whole suite: making and showing a top-level window costs seconds
    // under a bare X server.
    static TestWindow& Shared();

    TestWindow();
    HWND Get() const { return window_.Get(); }
    HostContext Context(int id = 100) const;

    // Runs the message loop for a while (timers tick inside).
    static void Pump(int milliseconds);
    // Moves the real cursor to a client point of `control` and posts the move to it.
    static void MoveMouseTo(HWND control, int x, int y, WPARAM keys = 0);
    static void PostButton(HWND control, UINT message, int x, int y);
    // Gives `control` the focus, waiting for the activation it needs (slow on a loaded server).
    static bool Focus(HWND control);
    // The colour of a client pixel of `control`, from a print of its client area.
    static COLORREF PrintedPixel(HWND control, int x, int y);
    // How many printed client pixels have this colour.
    static int CountPrintedPixels(HWND control, COLORREF colour);

private:
    UniqueWindow window_;
    UniqueGdiObject font_;
};

// Keeps a host's window in line with its model, as the main window's host does.
template <class Model>
void ObserveWith(Model& model, ControlHost& host) {
    model.SetObserver([&host] { host.Mirror(); });
}

}  // namespace sentrel::test
