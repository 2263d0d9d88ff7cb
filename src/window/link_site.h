#pragma once
// What the window's hyperlinks ask of the window that holds them: the program's folder, the
// window's minimise and close, and the program's own ShellExe, whose failure box the window owns.
#include "window/services.h"
#include "controls/hyper_link_site.h"
#include "ui/form.h"

namespace sentrel {

class ProgramLinkSite : public HyperLinkSite {
public:
    ProgramLinkSite(Form& window, Services& services) : window_(window), services_(services) {}

    std::string AppPath() override { return services_.environment.Path(); }
    // The main window has a minimise button.
    bool ParentHasMinimiseButton() override { return true; }
    void MinimiseParent() override { window_.SetWindowState(WindowState::Minimised); }
    void UnloadParent() override { window_.Unload(); }
    void ShellExe(const std::string& file, const std::string& parameters,
                  std::uintptr_t ownerWindow, int showCommand,
                  const std::string& directory) override;

private:
    Form& window_;
    Services& services_;
};

}  // namespace sentrel
