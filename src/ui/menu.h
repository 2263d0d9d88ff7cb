#pragma once
// A menu tree; the event log's pop-up menu is one.
#include <functional>
#include <string>
#include <vector>

namespace sentrel {

struct MenuItem {
    std::string name;
    std::string caption;  // "-" is a separator
    std::vector<MenuItem> items;
    std::function<void()> Click;

    bool IsSeparator() const { return caption == "-"; }
    // Depth-first search by name; null when there is none.
    MenuItem* Find(const std::string& itemName);
    const MenuItem* Find(const std::string& itemName) const;
};

}  // namespace sentrel
