#pragma once
// The ListView on a virtual report-style list view: the control asks for each visible cell's
// text, icon and colour, so a long log costs nothing to keep. The model's change notifications
// say exactly which rows to count, repaint or scroll to; they are gathered and shown together
// at the next mirror.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <optional>
#include <string>

#include "ui/host_base_win32.h"
#include "ui/list_view.h"

namespace sentrel {

class ListViewHost : public WindowHost {
public:
    ListViewHost(ListView& model, const HostContext& context);
    ~ListViewHost() override;
    void Mirror() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

    void OnListChange(const ListChange& change);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Sync();
    void AddColumns();
    void AddImages();
    const ListCell* CellAt(int item, int column) const;
    void OnGetDispInfo(NMLVDISPINFOW* info) const;
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw) const;
    void OnGetInfoTip(NMLVGETINFOTIPW* tip) const;
    void OnSelectionMaybeChanged();
    void OnRightClick(const NMITEMACTIVATE* click);
    // Ctrl+C, Shift+F10 and the menu key; nothing for any other message.
    std::optional<LRESULT> OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void OpenMenuByKey();

    ListView& list_;
    std::map<std::string, int> imageIndexByKey_;
    std::size_t shownCount_ = 0;  // rows the list view has been told about
    std::optional<std::size_t> pendingEnsureVisible_;
    std::size_t pendingFirstChanged_ = 0;  // rows [first, last] changed since shown
    std::size_t pendingLastChanged_ = 0;
    bool pendingChanged_ = false;
    bool pendingRefresh_ = false;
};

}  // namespace sentrel
