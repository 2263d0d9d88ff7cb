// The main window itself (Form) has no host here: the main window's own host mirrors it.
#include "window/host_factory_win32.h"

#include "controls/hyper_link.h"
#include "controls/qel_check_box_xp.h"
#include "controls/qel_text_box_xp.h"
#include "controls/xp_hosts_win32.h"
#include "controls/xpcmdbutton.h"
#include "ui/frame_host_win32.h"
#include "ui/image_host_win32.h"
#include "ui/label_host_win32.h"
#include "ui/list_view_host_win32.h"
#include "ui/status_bar_host_win32.h"
#include "ui/timer_host_win32.h"
#include "ui/toolbar_host_win32.h"

namespace sentrel {

namespace {

template <class Model, class Host>
bool TryMake(Control& model, const HostContext& context, std::unique_ptr<ControlHost>& host) {
    if (auto* typed = dynamic_cast<Model*>(&model)) {
        host = std::make_unique<Host>(*typed, context);
        return true;
    }
    return false;
}

// The program's own controls come from their factories.
template <class Model>
bool TryMakeWith(std::unique_ptr<ControlHost> (*factory)(Model&, const HostContext&),
                 Control& model, const HostContext& context, std::unique_ptr<ControlHost>& host) {
    if (auto* typed = dynamic_cast<Model*>(&model)) {
        host = factory(*typed, context);
        return true;
    }
    return false;
}

}  // namespace

std::unique_ptr<ControlHost> CreateHost(Control& model, const HostContext& context) {
    std::unique_ptr<ControlHost> host;
    TryMake<Label, LabelHost>(model, context, host) ||
        TryMake<Frame, FrameHost>(model, context, host) ||
        TryMake<Image, ImageHost>(model, context, host) ||
        TryMake<Timer, TimerHost>(model, context, host) ||
        TryMake<Toolbar, ToolbarHost>(model, context, host) ||
        TryMake<StatusBar, StatusBarHost>(model, context, host) ||
        TryMake<ListView, ListViewHost>(model, context, host) ||
        TryMakeWith(CreateQelCheckBoxXPHost, model, context, host) ||
        TryMakeWith(CreateXpCmdButtonHost, model, context, host) ||
        TryMakeWith(CreateQelTextBoxXPHost, model, context, host) ||
        TryMakeWith(CreateHyperLinkHost, model, context, host);
    return host;
}

}  // namespace sentrel
