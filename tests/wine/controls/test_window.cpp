#include "test_window.h"

#include <vector>

namespace sentrel::test {

namespace {

constexpr const wchar_t* kClassName = L"SentrelControlsTestWindow";

std::vector<COLORREF> PrintClient(HWND control, int& width) {
    RECT client{};
    GetClientRect(control, &client);
    width = client.right;
    HDC screen = GetDC(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen));
    UniqueGdiObject bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(nullptr, screen);
    std::vector<COLORREF> pixels;
    {
        ScopedSelectObject select(dc.Get(), bitmap.Get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                pixels.push_back(GetPixel(dc.Get(), x, y));
            }
        }
    }
    return pixels;
}

}  // namespace

TestWindow& TestWindow::Shared() {
    static TestWindow window;
    return window;
}

TestWindow::TestWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&wc);
    window_.Reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName, L"Controls test",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 300, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    font_.Reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                            0, L"Tahoma"));
    SetForegroundWindow(window_.Get());
    Pump(50);
}

HostContext TestWindow::Context(int id) const {
    HostContext context;
    context.parent = window_.Get();
    context.controlId = id;
    context.font = static_cast<HFONT>(font_.Get());
    context.dpi = 96;
    context.instance = GetModuleHandleW(nullptr);
    return context;
}

void TestWindow::Pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

void TestWindow::MoveMouseTo(HWND control, int x, int y, WPARAM keys) {
    POINT screen{x, y};
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(control, WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
    Pump(20);
}

void TestWindow::PostButton(HWND control, UINT message, int x, int y) {
    const WPARAM keys = message == WM_LBUTTONDOWN   ? MK_LBUTTON
                        : message == WM_RBUTTONDOWN ? MK_RBUTTON
                                                    : 0;
    PostMessageW(control, message, keys, MAKELPARAM(x, y));
    Pump(20);
}

bool TestWindow::Focus(HWND control) {
    SetForegroundWindow(Shared().Get());
    for (int tries = 0; tries < 50 && GetFocus() != control; ++tries) {
        SetFocus(control);
        Pump(20);
    }
    return GetFocus() == control;
}

COLORREF TestWindow::PrintedPixel(HWND control, int x, int y) {
    int width = 0;
    const std::vector<COLORREF> pixels = PrintClient(control, width);
    const std::size_t index = static_cast<std::size_t>(y * width + x);
    return index < pixels.size() ? pixels[index] : CLR_INVALID;
}

int TestWindow::CountPrintedPixels(HWND control, COLORREF colour) {
    int width = 0;
    int count = 0;
    for (COLORREF pixel : PrintClient(control, width)) {
        count += pixel == colour ? 1 : 0;
    }
    return count;
}

}  // namespace sentrel::test
