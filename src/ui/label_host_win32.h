#pragma once
// A Label on a static text window: caption, alignment, font and fore colour.
#include "ui/host_base_win32.h"
#include "ui/widgets.h"

namespace sentrel {

class LabelHost : public WindowHost {
public:
    LabelHost(Label& model, const HostContext& context);
    void Mirror() override;
    HBRUSH OnCtlColor(HDC dc) override;

private:
    void MirrorFont();
    void MirrorAlignment();

    Label& label_;
    UniqueGdiObject ownFont_;
    Font appliedFont_;
    bool fontApplied_ = false;
    Alignment appliedAlignment_;
};

// The static style bit of an alignment.
DWORD StaticAlignmentStyle(Alignment alignment);

}  // namespace sentrel
