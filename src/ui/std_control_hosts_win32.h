#pragma once
// Standard Win32 controls behind the models of the program's XP-styled controls, until those
// get their own drawn windows: check box, push button, edit box and a blue link text.
#include "controls/hyper_link.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xpcmdbutton.h"
#include "ui/host_base_win32.h"

namespace sentrel {

class StdCheckBoxHost : public WindowHost {
  public:
    StdCheckBoxHost(QelCheckBoxXP& model, const HostContext& context);
    void Mirror() override;
    bool OnCommand(WORD notifyCode) override;
    HBRUSH OnCtlColor(HDC dc) override;

  private:
    QelCheckBoxXP& box_;
};

class StdButtonHost : public WindowHost {
  public:
    StdButtonHost(xpcmdbutton& model, const HostContext& context);
    void Mirror() override;
    bool OnCommand(WORD notifyCode) override;
    HBRUSH OnCtlColor(HDC dc) override;

  private:
    xpcmdbutton& button_;
};

class StdTextBoxHost : public WindowHost {
  public:
    StdTextBoxHost(QelTextBoxXP& model, const HostContext& context);
    void Mirror() override;
    bool OnCommand(WORD notifyCode) override;

  private:
    QelTextBoxXP& box_;
    bool mirroring_ = false;  // the box's text is being set from the model: not the user's change
};

class StdHyperLinkHost : public WindowHost {
  public:
    StdHyperLinkHost(HyperLink& model, const HostContext& context);
    void Mirror() override;
    HBRUSH OnCtlColor(HDC dc) override;

  private:
    HyperLink& link_;
};

}  // namespace sentrel
