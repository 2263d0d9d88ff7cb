#pragma once
// Chooses the Win32 host of each control model: the toolkit's own and the program's XP controls.
#include <memory>

#include "ui/host_win32.h"

namespace sentrel {

// Makes the host for one model; the kind of window follows the model's type.
std::unique_ptr<ControlHost> CreateHost(Control& model, const HostContext& context);

}  // namespace sentrel
