#include "window/main_saved_layout.h"

#include <variant>
#include <vector>

#include "controls/layout_text.h"

namespace sentrel {

namespace {

using XpControl = std::variant<QelCheckBoxXP*, xpcmdbutton*, QelTextBoxXP*, HyperLink*>;

// The window's XP controls in its creation order: the order of the sections.
std::vector<XpControl> XpControlsOf(WMain& w) {
    return {&w.txtSocketPort,
            &w.cmdResetToDefaultPort,
            &w.txtReturnMessage,
            &w.cmdTestMsg,
            &w.cmdResetToDefaultMsg,
            &w.chkPlaySFX,
            &w.chkScanAtStartup,
            &w.chkTaskScanner,
            &w.chkMinimiseToTray,
            &w.chkAlwaysOnTop,
            &w.chkImmunise,
            &w.lnkBlog,
            &w.lnkQel,
            &w.cmdScan,
            &w.cmdCleanSystem,
            &w.cmdPreventShutdown};
}

const Control& AsControl(const XpControl& control) {
    return std::visit([](auto* c) -> const Control& { return *c; }, control);
}

}  // namespace

AmbientProperties MainWindowAmbient(WMain& window, const Control& instance) {
    AmbientProperties ambient;
    ambient.displayName = instance.Name();
    ambient.font = Font{};  // the window's Tahoma 8.25 pt
    ambient.findControl = [&window](const std::string& name) -> Control* {
        for (Control* control : window.Controls()) {
            if (control->Name() == name) {
                return control;
            }
        }
        return nullptr;
    };
    return ambient;
}

void ApplyMainLayout(WMain& window, const std::string& layoutText) {
    const LayoutDocument document = ParseLayout(layoutText);
    for (const XpControl& control : XpControlsOf(window)) {
        const Control& base = AsControl(control);
        const PropertyBag bag = SectionOf(document, base.Name());
        const AmbientProperties ambient = MainWindowAmbient(window, base);
        std::visit([&](auto* c) { c->ReadProperties(bag, ambient); }, control);
    }
}

std::string SaveMainLayout(WMain& window) {
    LayoutDocument document;
    for (const XpControl& control : XpControlsOf(window)) {
        const Control& base = AsControl(control);
        LayoutSection section{base.Name(), {}};
        const AmbientProperties ambient = MainWindowAmbient(window, base);
        std::visit([&](auto* c) { c->WriteProperties(section.bag, ambient); }, control);
        document.push_back(std::move(section));
    }
    return FormatLayout(document);
}

}  // namespace sentrel
