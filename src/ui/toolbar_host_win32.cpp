#include "ui/toolbar_host_win32.h"

#include <commctrl.h>

#include <exception>

#include "base/text_win32.h"
#include "ui/window_class_win32.h"

namespace sentrel {

ToolbarHost::ToolbarHost(Toolbar& model, const HostContext& context)
    : WindowHost(model, context), toolbar_(model) {
    CreateChild(TOOLBARCLASSNAMEW,
                WS_TABSTOP | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                    CCS_NOPARENTALIGN | CCS_NODIVIDER,
                0, "Pages");
    AddButtons();
    MirrorPressed();
    SetWindowSubclass(Window(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

ToolbarHost::~ToolbarHost() {
    RemoveWindowSubclass(Window(), SubclassProc, 0);
}

// The button the keys are on shows as the hot button while the toolbar has the focus.
void ToolbarHost::ShowKeyButton(int index) {
    keyButton_ = index;
    SendMessageW(Window(), TB_SETHOTITEM, static_cast<WPARAM>(index - 1), 0);
}

std::optional<LRESULT> ToolbarHost::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const int count = toolbar_.ButtonCount();
    switch (message) {
        // Enter shows the page rather than pressing the window's default button.
        case WM_GETDLGCODE: {
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            const bool enter =
                msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
            return DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_SETFOCUS:
            ShowKeyButton(toolbar_.PressedIndex() > 0 ? toolbar_.PressedIndex() : 1);
            return std::nullopt;
        case WM_KILLFOCUS:
            SendMessageW(Window(), TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
            return std::nullopt;
        case WM_KEYDOWN:
            if (wParam == VK_LEFT || wParam == VK_UP) {
                ShowKeyButton((keyButton_ + count - 2) % count + 1);
            } else if (wParam == VK_RIGHT || wParam == VK_DOWN) {
                ShowKeyButton(keyButton_ % count + 1);
            } else if (wParam == VK_SPACE || wParam == VK_RETURN) {
                PostMessageW(GetParent(Window()), kMsgPageByKey, static_cast<WPARAM>(keyButton_),
                             0);
            } else {
                return std::nullopt;
            }
            return 0;
        default:
            return std::nullopt;
    }
}

LRESULT CALLBACK ToolbarHost::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR self) {
    try {
        if (const auto handled =
                reinterpret_cast<ToolbarHost*>(self)->OnKey(message, wParam, lParam)) {
            return *handled;
        }
    } catch (const std::exception& e) {
        ReportWindowProcFailure(e.what());
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Buttons are identified by their Index (1 to n), which is also their command identifier.
void ToolbarHost::AddButtons() {
    HWND bar = Window();
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, 0);
    SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    for (int i = 1; i <= toolbar_.ButtonCount(); ++i) {
        captions_.push_back(Utf8ToWide(toolbar_.Button(i).caption));
        tips_.push_back(Utf8ToWide(toolbar_.Button(i).toolTip));
    }
    std::vector<TBBUTTON> buttons;
    for (int i = 1; i <= toolbar_.ButtonCount(); ++i) {
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = i;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_CHECK | BTNS_SHOWTEXT | BTNS_AUTOSIZE;
        button.iString = reinterpret_cast<INT_PTR>(captions_[static_cast<size_t>(i - 1)].c_str());
        buttons.push_back(button);
    }
    SendMessageW(bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    const RECT r = PixelBounds();
    const int height = r.bottom - r.top - MulDiv(4, context_.dpi, 96);
    SendMessageW(bar, TB_SETPADDING, 0, MAKELPARAM(MulDiv(16, context_.dpi, 96), 0));
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(0, height));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
}

void ToolbarHost::Mirror() {
    MirrorPlacement();
    MirrorPressed();
}

// Exactly the buttons the model has pressed show pressed.
void ToolbarHost::MirrorPressed() {
    for (int i = 1; i <= toolbar_.ButtonCount(); ++i) {
        SendMessageW(Window(), TB_CHECKBUTTON, static_cast<WPARAM>(i),
                     MAKELPARAM(toolbar_.Button(i).pressed ? TRUE : FALSE, 0));
    }
}

bool ToolbarHost::OnCommandId(WORD commandId, WORD /*notifyCode*/) {
    if (commandId < 1 || commandId > toolbar_.ButtonCount()) {
        return false;
    }
    toolbar_.RaiseButtonClick(commandId);
    // A check button toggles itself on a click; the model decides what shows pressed.
    MirrorPressed();
    return true;
}

const std::wstring* ToolbarHost::TipOf(UINT_PTR commandId) const {
    if (commandId < 1 || commandId > tips_.size()) {
        return nullptr;
    }
    return &tips_[commandId - 1];
}

bool ToolbarHost::OnNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        if (const std::wstring* tip = TipOf(header->idFrom)) {
            info->lpszText = const_cast<wchar_t*>(tip->c_str());
            info->hinst = nullptr;
            return true;
        }
        return false;
    }
    if (header->code == TBN_GETINFOTIPW) {
        auto* info = reinterpret_cast<NMTBGETINFOTIPW*>(header);
        const std::wstring* tip = TipOf(static_cast<UINT_PTR>(info->iItem));
        if (tip != nullptr && info->pszText != nullptr && info->cchTextMax > 0) {
            lstrcpynW(info->pszText, tip->c_str(), info->cchTextMax);
            return true;
        }
    }
    return false;
}

}  // namespace sentrel
