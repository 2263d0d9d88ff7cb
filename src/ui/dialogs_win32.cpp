#include "ui/dialogs_win32.h"

#include "ui/file_dialog_win32.h"

#include <vector>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

std::wstring TitleOrApplication(const std::string& title) {
    return Utf8ToWide(title.empty() ? std::string(kAppTitle) : title);
}

// Appends the items of `menu` to `target`; every item that can be chosen gets the next command
// identifier (its position in `chosen` plus one).
void AppendItems(HMENU target, const MenuItem& menu, std::vector<const MenuItem*>& chosen) {
    for (const MenuItem& item : menu.items) {
        if (item.IsSeparator()) {
            AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = Utf8ToWide(item.caption);
        if (!item.items.empty()) {
            HMENU sub = CreatePopupMenu();
            AppendItems(sub, item, chosen);
            // The parent menu owns the submenu from here on.
            AppendMenuW(target, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
            continue;
        }
        chosen.push_back(&item);
        AppendMenuW(target, MF_STRING, chosen.size(), caption.c_str());
    }
}

}  // namespace

void Win32Dialogs::ShowMessage(const std::string& prompt, int style, const std::string& title) {
    MessageBoxW(owner_, Utf8ToWide(prompt).c_str(), TitleOrApplication(title).c_str(),
                MB_OK | static_cast<UINT>(style));
}

bool Win32Dialogs::AskYesNo(const std::string& prompt, const std::string& title) {
    return MessageBoxW(owner_, Utf8ToWide(prompt).c_str(), TitleOrApplication(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::string Win32Dialogs::ShowFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(owner_, request);
}

std::string Win32Dialogs::PopupMenu(const MenuItem& menu, std::optional<Point> screenAt) {
    UniqueMenu popup(CreatePopupMenu());
    if (!popup) {
        return {};
    }
    std::vector<const MenuItem*> chosen;
    AppendItems(popup.Get(), menu, chosen);
    POINT at{};
    GetCursorPos(&at);
    if (screenAt) {
        at = {screenAt->x, screenAt->y};
    }
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    if (owner_ != nullptr) {
        SetForegroundWindow(owner_);
    }
    const auto command = static_cast<std::size_t>(TrackPopupMenu(
        popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr));
    if (owner_ != nullptr) {
        PostMessageW(owner_, WM_NULL, 0, 0);
    }
    if (command == 0 || command > chosen.size()) {
        return {};
    }
    return chosen[command - 1]->name;
}

}  // namespace sentrel
