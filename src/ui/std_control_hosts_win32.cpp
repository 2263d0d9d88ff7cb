#include "ui/std_control_hosts_win32.h"

#include "ui/text_win32.h"

namespace sentrel {

namespace {

HBRUSH ButtonFaceBackground(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

StdCheckBoxHost::StdCheckBoxHost(QelCheckBoxXP& model, const HostContext& context)
    : WindowHost(model, context), box_(model) {
    // Not an automatic check box: the model toggles, the window shows the model's value.
    CreateChild(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, model.Caption());
    Mirror();
}

void StdCheckBoxHost::Mirror() {
    MirrorPlacement();
    MirrorText(box_.Caption());
    SendMessageW(Window(), BM_SETCHECK, box_.Value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool StdCheckBoxHost::OnCommand(WORD notifyCode) {
    if (notifyCode != BN_CLICKED) {
        return false;
    }
    box_.UserClick();
    Mirror();
    return true;
}

HBRUSH StdCheckBoxHost::OnCtlColor(HDC dc) {
    return ButtonFaceBackground(dc);
}

StdButtonHost::StdButtonHost(xpcmdbutton& model, const HostContext& context)
    : WindowHost(model, context), button_(model) {
    CreateChild(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, model.Caption());
}

void StdButtonHost::Mirror() {
    MirrorPlacement();
    MirrorText(button_.Caption());
}

bool StdButtonHost::OnCommand(WORD notifyCode) {
    if (notifyCode != BN_CLICKED) {
        return false;
    }
    button_.UserClick();
    return true;
}

HBRUSH StdButtonHost::OnCtlColor(HDC dc) {
    return ButtonFaceBackground(dc);
}

StdTextBoxHost::StdTextBoxHost(QelTextBoxXP& model, const HostContext& context)
    : WindowHost(model, context), box_(model) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (model.GetAlignment() == Alignment::Centre) {
        style |= ES_CENTER;
    } else if (model.GetAlignment() == Alignment::Right) {
        style |= ES_RIGHT;
    }
    if (model.InputType() == 1) {
        style |= ES_NUMBER;
    }
    mirroring_ = true;
    CreateChild(L"EDIT", style, WS_EX_CLIENTEDGE, model.Text());
    mirroring_ = false;
}

void StdTextBoxHost::Mirror() {
    MirrorPlacement();
    if (WindowText(Window()) != box_.Text()) {
        mirroring_ = true;
        SetWindowTextW(Window(), Utf8ToWide(box_.Text()).c_str());
        mirroring_ = false;
    }
}

bool StdTextBoxHost::OnCommand(WORD notifyCode) {
    if (notifyCode != EN_CHANGE) {
        return false;
    }
    if (!mirroring_) {
        box_.UserChangedText(WindowText(Window()));
    }
    return true;
}

StdHyperLinkHost::StdHyperLinkHost(HyperLink& model, const HostContext& context)
    : WindowHost(model, context), link_(model) {
    CreateChild(L"STATIC", SS_NOPREFIX | SS_NOTIFY, 0, model.Caption());
}

void StdHyperLinkHost::Mirror() {
    MirrorPlacement();
    MirrorText(link_.Caption());
}

HBRUSH StdHyperLinkHost::OnCtlColor(HDC dc) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, RGB(0, 0, 255));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace sentrel
