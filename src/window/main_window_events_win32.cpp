// The main window's own events and the mirroring of the form model onto it.
#include "window/main_window_win32.h"

#include "base/text_win32.h"

namespace sentrel {

void MainWindow::MirrorForm() {
    HWND window = Handle();
    const Form& form = main_.wMain;
    if (form.Caption() != shownCaption_) {
        shownCaption_ = form.Caption();
        SetWindowTextW(window, Utf8ToWide(shownCaption_).c_str());
    }
    // A hidden window keeps a new state until it is shown again: restoring it shows it, and
    // it is shown once, with that state.
    const bool hidden = IsWindowVisible(window) == FALSE;
    if (!form.Visible()) {
        if (!hidden) {
            ShowWindow(window, SW_HIDE);
        }
    } else if (form.GetWindowState() != shownState_) {
        shownState_ = form.GetWindowState();
        mirroringState_ = true;
        ShowWindow(window, shownState_ == WindowState::Minimised ? SW_MINIMIZE : SW_RESTORE);
        mirroringState_ = false;
    } else if (hidden) {
        ShowWindow(window, SW_SHOW);
    }
    if (form.ZOrderRequests() != zOrderSeen_) {
        zOrderSeen_ = form.ZOrderRequests();
        SetForegroundWindow(window);
    }
    if (form.Unloading() && !closePosted_) {
        closePosted_ = true;
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if ((form.Topmost() ? 1 : 0) != shownTopmost_) {
        shownTopmost_ = form.Topmost() ? 1 : 0;
        SetWindowPos(window, form.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void MainWindow::ReportWindowState(WindowState state) {
    shownState_ = state;
    main_.wMain.WindowStateChangedByUser(state);
}

// Minimising or restoring by the user or the system; the model's own changes run its Resize
// handler themselves.
void MainWindow::OnSize(WPARAM kind) {
    if (!controlsReady_ || mirroringState_) {
        return;
    }
    if (kind == SIZE_MINIMIZED) {
        ReportWindowState(WindowState::Minimised);
    } else if (kind == SIZE_RESTORED) {
        ReportWindowState(WindowState::Normal);
    }
}

void MainWindow::OnTimer(WPARAM id) {
    if (id == MirrorPacer::kMirrorTimerId) {
        pacer_->Flush();
        return;
    }
    const auto index = static_cast<std::size_t>(id) - static_cast<std::size_t>(kFirstControlId);
    if (id >= static_cast<WPARAM>(kFirstControlId) && index < hosts_.size() && hosts_[index]) {
        hosts_[index]->OnTimer();
    }
}

// Closing the window ends the program; there is no closing work.
void MainWindow::OnClose() {
    PostQuitMessage(0);
}

void MainWindow::OnTrayCallback(LPARAM lParam) {
    if (main_.wMain.TrayCallback) {
        main_.wMain.TrayCallback(LOWORD(lParam));
    }
}

void MainWindow::OnTaskbarCreated() {
    if (main_.wMain.TaskbarCreated) {
        main_.wMain.TaskbarCreated();
    }
}

int RunMessageLoop(HWND main) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (main != nullptr && PreTranslateWindowMessage(main, msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace sentrel
