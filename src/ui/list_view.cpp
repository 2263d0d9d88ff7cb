#include "ui/list_view.h"

namespace sentrel {

std::size_t ListView::Add(ListItem item) {
    items_.push_back(std::move(item));
    const std::size_t index = items_.size() - 1;
    Notify({ListChange::Kind::Appended, index});
    return index;
}

void ListView::Clear() {
    items_.clear();
    selected_.reset();
    Notify({ListChange::Kind::Cleared, 0});
}

std::string ListView::RowText(std::size_t index) const {
    const ListItem& item = items_.at(index);
    std::string line = item.cell.text;
    for (const ListCell& cell : item.subItems) {
        line += '\t' + cell.text;
    }
    return line + "\r\n";
}

}  // namespace sentrel
