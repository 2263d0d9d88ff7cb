#pragma once
// The hosts of the program's four XP controls, for the main window's host factory.
#include <memory>

#include "controls/hyper_link.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xpcmdbutton.h"
#include "ui/host_win32.h"

namespace sentrel {

std::unique_ptr<ControlHost> CreateQelCheckBoxXPHost(QelCheckBoxXP& model,
                                                     const HostContext& context);
std::unique_ptr<ControlHost> CreateXpCmdButtonHost(xpcmdbutton& model, const HostContext& context);
std::unique_ptr<ControlHost> CreateQelTextBoxXPHost(QelTextBoxXP& model,
                                                    const HostContext& context);
// A link without a site of its own gets one that opens addresses with the shell and minimises
// or closes the link's top-level window.
std::unique_ptr<ControlHost> CreateHyperLinkHost(HyperLink& model, const HostContext& context);

}  // namespace sentrel
