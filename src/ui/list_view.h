#pragma once
// The report-style list view model: per-cell text, tool tip and colour, a tag per entry.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace sentrel {

struct ListColumn {
    std::string header;
    int widthPixels = 0;
};

struct ListCell {
    std::string text;
    std::string toolTip;
    std::optional<Colour> foreColour;  // empty: the list's default colour
};

struct ListItem {
    ListCell cell;                   // column 1, the entry's own text
    std::vector<ListCell> subItems;  // columns 2 onwards
    std::string smallIcon;           // image key
    std::string tag;
};

// What changed, so that the host updates only that much of a long list.
struct ListChange {
    enum class Kind { Cleared, Appended, Updated, EnsureVisible, Refresh };
    Kind kind;
    std::size_t index = 0;
};

class ListView : public Control {
public:
    using Control::Control;

    void AddColumn(ListColumn column) { columns_.push_back(std::move(column)); }
    const std::vector<ListColumn>& Columns() const { return columns_; }

    std::size_t Count() const { return items_.size(); }
    const ListItem& Item(std::size_t index) const { return items_.at(index); }
    std::size_t Add(ListItem item);
    ListItem& MutableItem(std::size_t index) { return items_.at(index); }
    void ItemChanged(std::size_t index) { Notify({ListChange::Kind::Updated, index}); }
    void Clear();
    void EnsureVisible(std::size_t index) { Notify({ListChange::Kind::EnsureVisible, index}); }
    void Refresh() { Notify({ListChange::Kind::Refresh, 0}); }

    std::optional<std::size_t> SelectedIndex() const { return selected_; }
    // The host reports the user's selection here.
    void SetSelectedIndex(std::optional<std::size_t> index) { selected_ = index; }

    void SetListObserver(std::function<void(const ListChange&)> observer) {
        listObserver_ = std::move(observer);
    }

    // An entry as one line of text: its cells separated by tabs, ending with CR LF.
    std::string RowText(std::size_t index) const;

    std::function<void(MouseButton button, int shift, int x, int y)> MouseUp;
    std::function<void()> DblClick;
    // The keyboard asked for the pop-up menu (Shift+F10, the menu key), to be shown at a point
    // of the screen in pixels.
    std::function<void(Point screenAt)> MenuKey;
    void RaiseMenuKey(Point screenAt) {
        if (MenuKey) {
            MenuKey(screenAt);
        }
    }
    void RaiseMouseUp(MouseButton button, int shift, int x, int y) {
        if (MouseUp) {
            MouseUp(button, shift, x, y);
        }
    }
    void RaiseDblClick() {
        if (DblClick) {
            DblClick();
        }
    }

private:
    void Notify(const ListChange& change) const {
        if (listObserver_) {
            listObserver_(change);
        }
    }

    std::vector<ListColumn> columns_;
    std::vector<ListItem> items_;
    std::optional<std::size_t> selected_;
    std::function<void(const ListChange&)> listObserver_;
};

}  // namespace sentrel
