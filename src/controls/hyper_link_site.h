#pragma once
// What a hyperlink needs from the window that holds it and from the system when it is clicked.
#include <cstdint>
#include <string>

namespace sentrel {

class HyperLinkSite {
public:
    virtual ~HyperLinkSite() = default;
    // The program's folder (the application's Path).
    virtual std::string AppPath() = 0;
    // The holding window: whether it has a minimise button, minimising it, unloading it.
    virtual bool ParentHasMinimiseButton() = 0;
    virtual void MinimiseParent() = 0;
    virtual void UnloadParent() = 0;
    // Opens a file or address with its associated program; reports a failure itself.
    virtual void ShellExe(const std::string& file, const std::string& parameters,
                          std::uintptr_t ownerWindow, int showCommand,
                          const std::string& directory) = 0;
};

}  // namespace sentrel
