#pragma once
// A hyperlink's site on the real system: the program's folder, the link's top-level window,
// and opening addresses with the shell.
#include <windows.h>

#include "controls/hyper_link_site.h"

namespace sentrel {

class Win32HyperLinkSite : public HyperLinkSite {
public:
    explicit Win32HyperLinkSite(HWND link) : link_(link) {}

    std::string AppPath() override;
    bool ParentHasMinimiseButton() override;
    void MinimiseParent() override;
    void UnloadParent() override;
    void ShellExe(const std::string& file, const std::string& parameters,
                  std::uintptr_t ownerWindow, int showCommand,
                  const std::string& directory) override;

private:
    HWND Parent() const { return GetAncestor(link_, GA_ROOT); }

    HWND link_;
};

}  // namespace sentrel
