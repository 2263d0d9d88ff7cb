#include "ui/list_view_host_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "base/text_win32.h"
#include "ui/clipboard_win32.h"
#include "ui/gdi_win32.h"
#include "ui/window_class_win32.h"

namespace sentrel {

namespace {

void CopyText(const std::string& text, wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) {
        return;
    }
    lstrcpynW(buffer, Utf8ToWide(text).c_str(), capacity);
}

}  // namespace

ListViewHost::ListViewHost(ListView& model, const HostContext& context)
    : WindowHost(model, context), list_(model) {
    CreateChild(WC_LISTVIEWW,
                WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE, "Event log");
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER;
    SendMessageW(Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    AddColumns();
    AddImages();
    shownCount_ = list_.Count();
    SendMessageW(Window(), LVM_SETITEMCOUNT, shownCount_, 0);
    SetWindowSubclass(Window(), SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    list_.SetListObserver([this](const ListChange& change) { OnListChange(change); });
}

ListViewHost::~ListViewHost() {
    list_.SetListObserver(nullptr);
    RemoveWindowSubclass(Window(), SubclassProc, 0);
}

// Widths follow the layout's proportions at the window's DPI; a column too narrow for its
// header in the window's font takes the difference from the widest column.
void ListViewHost::AddColumns() {
    std::vector<int> widths;
    for (const ListColumn& column : list_.Columns()) {
        widths.push_back(MulDiv(column.widthPixels, context_.dpi, 96));
    }
    const int padding = MulDiv(16, context_.dpi, 96);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const std::wstring header = Utf8ToWide(list_.Columns()[i].header);
        const int needed =
            static_cast<int>(SendMessageW(Window(), LVM_GETSTRINGWIDTHW, 0,
                                          reinterpret_cast<LPARAM>(header.c_str()))) +
            padding;
        auto widest = std::max_element(widths.begin(), widths.end());
        if (needed > widths[i] && widest != widths.begin() + static_cast<std::ptrdiff_t>(i)) {
            *widest -= needed - widths[i];
            widths[i] = needed;
        }
    }
    for (std::size_t i = 0; i < widths.size(); ++i) {
        std::wstring header = Utf8ToWide(list_.Columns()[i].header);
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        lvc.pszText = header.data();
        lvc.cx = widths[i];
        lvc.iSubItem = static_cast<int>(i);
        SendMessageW(Window(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&lvc));
    }
}

// The list's images, by key; the list view owns the image list and destroys it with itself.
void ListViewHost::AddImages() {
    const int side = MulDiv(16, context_.dpi, 96);
    HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (images == nullptr) {
        return;
    }
    const std::pair<const char*, const char*> pictures[] = {{"_exclamation", "EXCLAMATION"},
                                                            {"_info", "INFO"}};
    for (const auto& [key, resource] : pictures) {
        Picture picture = LoadPicture(context_.instance, resource, side);
        if (picture.icon) {
            imageIndexByKey_[key] = ImageList_AddIcon(images, picture.icon.Get());
        }
    }
    SendMessageW(Window(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void ListViewHost::Mirror() {
    MirrorPlacement();
    Sync();
}

// Counting rows, scrolling and repainting cost the list view a repaint each, so a burst of
// changes is shown in one step at the next mirror.
void ListViewHost::OnListChange(const ListChange& change) {
    switch (change.kind) {
        case ListChange::Kind::Cleared:
            shownCount_ = 0;
            pendingEnsureVisible_.reset();
            pendingChanged_ = false;
            pendingRefresh_ = false;
            SendMessageW(Window(), LVM_SETITEMCOUNT, 0, 0);
            InvalidateRect(Window(), nullptr, TRUE);
            return;
        case ListChange::Kind::Appended:
            break;
        case ListChange::Kind::Updated:
            pendingFirstChanged_ =
                pendingChanged_ ? std::min(pendingFirstChanged_, change.index) : change.index;
            pendingLastChanged_ =
                pendingChanged_ ? std::max(pendingLastChanged_, change.index) : change.index;
            pendingChanged_ = true;
            break;
        case ListChange::Kind::EnsureVisible:
            pendingEnsureVisible_ = change.index;
            break;
        case ListChange::Kind::Refresh:
            pendingRefresh_ = true;
            break;
    }
    if (context_.requestMirror) {
        context_.requestMirror();
    } else {
        Sync();
    }
}

void ListViewHost::Sync() {
    HWND view = Window();
    if (pendingRefresh_) {
        InvalidateRect(view, nullptr, FALSE);
    } else if (pendingChanged_) {
        // Only the rows in sight: the list view works out each row's place to repaint it.
        const auto top = static_cast<std::size_t>(SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
        const auto page = static_cast<std::size_t>(SendMessageW(view, LVM_GETCOUNTPERPAGE, 0, 0));
        const std::size_t first = std::max(pendingFirstChanged_, top);
        const std::size_t last = std::min({pendingLastChanged_, top + page, shownCount_ - 1});
        if (shownCount_ > 0 && first <= last) {
            SendMessageW(view, LVM_REDRAWITEMS, first, static_cast<LPARAM>(last));
        }
    }
    pendingRefresh_ = false;
    pendingChanged_ = false;
    const std::size_t count = list_.Count();
    if (count == shownCount_ && !pendingEnsureVisible_) {
        return;
    }
    // Counting rows and scrolling repaint the list there and then; with redrawing off they only
    // mark it for the next WM_PAINT, which comes when the thread has nothing else to do.
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    if (count != shownCount_) {
        const std::size_t first = shownCount_;
        shownCount_ = count;
        SendMessageW(view, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        if (count > first) {
            SendMessageW(view, LVM_REDRAWITEMS, first, static_cast<LPARAM>(count - 1));
        }
    }
    if (pendingEnsureVisible_ && *pendingEnsureVisible_ < count) {
        SendMessageW(view, LVM_ENSUREVISIBLE, *pendingEnsureVisible_, FALSE);
    }
    pendingEnsureVisible_.reset();
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, FALSE);
}

// The list view's own keys come here first.
LRESULT CALLBACK ListViewHost::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR /*id*/, DWORD_PTR self) {
    try {
        if (const auto handled =
                reinterpret_cast<ListViewHost*>(self)->OnKey(message, wParam, lParam)) {
            return *handled;
        }
    } catch (const std::exception& e) {
        ReportWindowProcFailure(e.what());
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Ctrl+C copies the selected entry as a line of text. Shift+F10 and the menu key open the
// right-click menu; their key-up is kept from the system too, which would ask for the menu a
// second time.
std::optional<LRESULT> ListViewHost::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool menuKey =
        wParam == VK_APPS || (wParam == VK_F10 && (CurrentShiftState() & kShiftKey) != 0);
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (menuKey) {
                OpenMenuByKey();
                return 0;
            }
            if (message == WM_KEYDOWN && wParam == 'C' && (CurrentShiftState() & kCtrlKey) != 0 &&
                list_.SelectedIndex()) {
                SetClipboardText(Window(), list_.RowText(*list_.SelectedIndex()));
                return 0;
            }
            return std::nullopt;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return menuKey ? std::optional<LRESULT>(0) : std::nullopt;
        case WM_CONTEXTMENU:
            // From the keyboard (the position -1, -1) by another way than the keys above.
            if (static_cast<DWORD>(lParam) == 0xFFFFFFFFU) {
                OpenMenuByKey();
                return 0;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

// At the selected entry, or at the list's top-left corner when none is selected.
void ListViewHost::OpenMenuByKey() {
    POINT at{0, 0};
    if (const auto selected = list_.SelectedIndex()) {
        RECT row{};
        row.left = LVIR_BOUNDS;
        if (SendMessageW(Window(), LVM_GETITEMRECT, *selected, reinterpret_cast<LPARAM>(&row))) {
            at = {row.left + MulDiv(16, context_.dpi, 96), row.bottom};
        }
    }
    ClientToScreen(Window(), &at);
    list_.RaiseMenuKey({at.x, at.y});
}

const ListCell* ListViewHost::CellAt(int item, int column) const {
    if (item < 0 || static_cast<std::size_t>(item) >= list_.Count() || column < 0) {
        return nullptr;
    }
    const ListItem& entry = list_.Item(static_cast<std::size_t>(item));
    if (column == 0) {
        return &entry.cell;
    }
    const auto sub = static_cast<std::size_t>(column - 1);
    return sub < entry.subItems.size() ? &entry.subItems[sub] : nullptr;
}

bool ListViewHost::OnNotify(NMHDR* header, LRESULT& result) {
    result = 0;
    switch (header->code) {
        case LVN_GETDISPINFOW:
            OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW*>(header));
            return true;
        case NM_CUSTOMDRAW:
            result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
            return true;
        case LVN_GETINFOTIPW:
            OnGetInfoTip(reinterpret_cast<NMLVGETINFOTIPW*>(header));
            return true;
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED:
            OnSelectionMaybeChanged();
            return true;
        case NM_RCLICK:
            OnRightClick(reinterpret_cast<const NMITEMACTIVATE*>(header));
            return true;
        case NM_DBLCLK:
            OnSelectionMaybeChanged();
            list_.RaiseDblClick();
            return true;
        default:
            return false;
    }
}

void ListViewHost::OnGetDispInfo(NMLVDISPINFOW* info) const {
    LVITEMW& item = info->item;
    const ListCell* cell = CellAt(item.iItem, item.iSubItem);
    if ((item.mask & LVIF_TEXT) != 0) {
        CopyText(cell != nullptr ? cell->text : std::string(), item.pszText, item.cchTextMax);
    }
    if ((item.mask & LVIF_IMAGE) != 0 && item.iSubItem == 0) {
        item.iImage = I_IMAGENONE;
        if (cell != nullptr) {
            const auto found =
                imageIndexByKey_.find(list_.Item(static_cast<std::size_t>(item.iItem)).smallIcon);
            if (found != imageIndexByKey_.end()) {
                item.iImage = found->second;
            }
        }
    }
}

// Every cell in its own colour: the list asks before painting each row and each cell of it.
LRESULT ListViewHost::OnCustomDraw(NMLVCUSTOMDRAW* draw) const {
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const ListCell* cell = CellAt(static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem);
            draw->clrText = cell != nullptr && cell->foreColour ? ToColorRef(*cell->foreColour)
                                                                : GetSysColor(COLOR_WINDOWTEXT);
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

// The list reports the row only; the cell under the mouse is found by a hit test.
void ListViewHost::OnGetInfoTip(NMLVGETINFOTIPW* tip) const {
    LVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(Window(), &hit.pt);
    int item = tip->iItem;
    int column = tip->iSubItem;
    if (SendMessageW(Window(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0 &&
        hit.iItem == item) {
        column = hit.iSubItem;
    }
    const ListCell* cell = CellAt(item, column);
    if (cell != nullptr) {
        CopyText(cell->toolTip, tip->pszText, tip->cchTextMax);
    }
}

void ListViewHost::OnSelectionMaybeChanged() {
    const auto selected = static_cast<int>(
        SendMessageW(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected >= 0 && static_cast<std::size_t>(selected) < list_.Count()) {
        list_.SetSelectedIndex(static_cast<std::size_t>(selected));
    } else {
        list_.SetSelectedIndex(std::nullopt);
    }
}

// The list view reports a right click when the button is released.
void ListViewHost::OnRightClick(const NMITEMACTIVATE* click) {
    list_.RaiseMouseUp(MouseButton::Right, CurrentShiftState(), Twips(click->ptAction.x),
                       Twips(click->ptAction.y));
}

}  // namespace sentrel
