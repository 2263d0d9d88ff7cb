#pragma once
// Modal boxes and the pop-up menu, owned by the main window.
#include <windows.h>

#include "ui/dialogs.h"

namespace sentrel {

class Win32Dialogs : public Dialogs {
public:
    // The window that owns every box; set once the main window exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowMessage(const std::string& prompt, int style, const std::string& title) override;
    bool AskYesNo(const std::string& prompt, const std::string& title) override;
    std::string ShowFileDialog(const FileDialogRequest& request) override;
    std::string PopupMenu(const MenuItem& menu, std::optional<Point> screenAt) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace sentrel
