#pragma once
// The XP text box's window: a white fill with the thin outline, and a real single-line EDIT
// inside whose keys pass through the model's filter.
#include <windows.h>

#include <string>
#include <utility>

#include "controls/qel_text_box_xp.h"
#include "controls/xp_host_base_win32.h"

namespace sentrel {

class QelTextBoxXPHost : public XpHostBase {
public:
    QelTextBoxXPHost(QelTextBoxXP& model, const HostContext& context);
    ~QelTextBoxXPHost() override;

    void Mirror() override;
    // The inner edit box.
    HWND Edit() const { return edit_.Get(); }
    // For screen readers the edit box keeps the system's object, named after the frame around
    // the box.
    AccessibleFacts Describe() override;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc) override;
    LRESULT OnCtlColorEdit(HDC dc);
    void MirrorEdit();
    std::string ShownText() const;
    LRESULT EditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void Paste();
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR data);

    QelTextBoxXP& box_;
    UniqueWindow edit_;
    UniqueGdiObject editBrush_;
    Colour editBrushColour_ = 0;
    unsigned appliedSelection_ = 0;
    std::pair<Colour, Colour> paintedColours_{Rgb(255, 255, 255), 0};
};

}  // namespace sentrel
