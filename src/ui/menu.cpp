#include "ui/menu.h"

namespace sentrel {

MenuItem* MenuItem::Find(const std::string& itemName) {
    if (name == itemName) {
        return this;
    }
    for (auto& item : items) {
        if (MenuItem* found = item.Find(itemName)) {
            return found;
        }
    }
    return nullptr;
}

const MenuItem* MenuItem::Find(const std::string& itemName) const {
    return const_cast<MenuItem*>(this)->Find(itemName);
}

}  // namespace sentrel
