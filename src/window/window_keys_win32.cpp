// The window's keys: pages by Ctrl+Tab and Ctrl+PageDown (and back), and the repaint when the
// user's colours change.
#include "window/main_window_win32.h"

#include "ui/toolbar_host_win32.h"

namespace sentrel {

namespace {

bool KeyIsDown(int key) {
    return GetKeyState(key) < 0;
}

// 1 for the next page, -1 for the previous one, 0 when the key switches no page.
int PageStepOf(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !KeyIsDown(VK_CONTROL) || KeyIsDown(VK_MENU)) {
        return 0;
    }
    switch (msg.wParam) {
        case VK_TAB:
            return KeyIsDown(VK_SHIFT) ? -1 : 1;
        case VK_NEXT:
            return 1;
        case VK_PRIOR:
            return -1;
        default:
            return 0;
    }
}

BOOL CALLBACK PassSystemColours(HWND child, LPARAM /*unused*/) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

bool PreTranslateWindowMessage(HWND main, MSG& msg) {
    if (msg.hwnd == main || IsChild(main, msg.hwnd) != FALSE) {
        if (const int step = PageStepOf(msg)) {
            SendMessageW(main, kMsgPageByKey, 0, static_cast<LPARAM>(step));
            return true;
        }
    }
    return IsDialogMessageW(main, &msg) != FALSE;
}

void MainWindow::OnPageByKey(WPARAM button, LPARAM step) {
    Toolbar& toolbar = main_.tbrMain;
    const int index =
        button != 0 ? static_cast<int>(button) : toolbar.ButtonAfterPressed(static_cast<int>(step));
    if (ControlHost* host = HostFor(toolbar); host != nullptr && index > 0) {
        host->OnCommandId(static_cast<WORD>(index), BN_CLICKED);
        FocusFrontPage();
    }
}

// The page's first control in the tab order that takes the focus; for a text box, the edit
// box inside it.
void MainWindow::FocusFrontPage() {
    const Control* page = &main_.fraContainer[main_.fraContainer.FrontIndex()];
    for (const Control* control : main_.Controls()) {
        const Control* up = control->Parent();
        while (up != nullptr && up != page) {
            up = up->Parent();
        }
        HWND window = up != nullptr ? WindowOf(*control) : nullptr;
        if (window == nullptr || IsWindowVisible(window) == FALSE ||
            IsWindowEnabled(window) == FALSE) {
            continue;
        }
        if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) == 0) {
            window = GetNextDlgTabItem(window, nullptr, FALSE);
            if (window == nullptr || IsChild(WindowOf(*control), window) == FALSE) {
                continue;
            }
        }
        SetFocus(window);
        return;
    }
}

// Top-level windows alone hear of new colours: the controls are told, and all of it repaints.
void MainWindow::OnSystemColours() {
    EnumChildWindows(Handle(), &PassSystemColours, 0);
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace sentrel
