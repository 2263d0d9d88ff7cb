#pragma once
// Fakes for the XP controls: a cursor and window rectangle a test places, and a hyperlink site
// that records what a click asked of it.
#include <cstdint>
#include <string>
#include <vector>

#include "controls/hyper_link_site.h"
#include "controls/pointer_source.h"

namespace sentrel::test {

class FakePointer : public PointerSource {
public:
    Point CursorPos() override { return cursor; }
    Rect WindowRect() override { return window; }

    // Puts the cursor at a point of the control's client area.
    void MoveTo(int x, int y) { cursor = {window.left + x, window.top + y}; }

    Rect window{100, 200, 164, 222};
    Point cursor{0, 0};
};

class FakeHyperLinkSite : public HyperLinkSite {
public:
    std::string AppPath() override { return appPath; }
    bool ParentHasMinimiseButton() override { return hasMinimiseButton; }
    void MinimiseParent() override { calls.push_back("minimise"); }
    void UnloadParent() override { calls.push_back("unload"); }
    void ShellExe(const std::string& file, const std::string& parameters, std::uintptr_t owner,
                  int showCommand, const std::string& directory) override {
        calls.push_back("open " + file);
        lastParameters = parameters;
        lastOwner = owner;
        lastShowCommand = showCommand;
        lastDirectory = directory;
    }

    std::string appPath = "C:\\Tools";
    bool hasMinimiseButton = true;
    std::vector<std::string> calls;
    std::string lastParameters = "unset";
    std::uintptr_t lastOwner = 99;
    int lastShowCommand = -1;
    std::string lastDirectory = "unset";
};

}  // namespace sentrel::test
