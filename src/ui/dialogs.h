#pragma once
// Modal interaction with the user: message boxes, questions, file dialogs, pop-up menus.
// Every call runs a nested message loop on the real system, so timer ticks and socket events
// can be handled while it is open.
#include <optional>
#include <string>

#include "ui/geometry.h"
#include "ui/menu.h"

namespace sentrel {

// Message box styles (the icon; every box has one OK button).
enum MsgBoxStyle : int {
    kMsgCritical = 16,
    kMsgQuestion = 32,
    kMsgExclamation = 48,
    kMsgInformation = 64,
};

// The program's name, the title of every box that names none.
inline constexpr const char* kAppTitle = "Sentrel";

// A Save As dialog, opened in the dialog's own choice of folder, with no name filled in.
struct FileDialogRequest {
    std::string title;
    std::string filter;  // description¬pattern¬description¬pattern...
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty title gives the application title.
    virtual void ShowMessage(const std::string& prompt, int style, const std::string& title) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& prompt, const std::string& title) = 0;
    // The chosen full path, or "" when cancelled or failed.
    virtual std::string ShowFileDialog(const FileDialogRequest& request) = 0;
    // Shows the menu's items at the mouse position, or at `screenAt` (screen pixels) for a menu
    // asked for by the keyboard; returns the chosen item's name or "".
    virtual std::string PopupMenu(const MenuItem& menu,
                                  std::optional<Point> screenAt = std::nullopt) = 0;
};

}  // namespace sentrel
