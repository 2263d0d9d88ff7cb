#include "controls/hyper_link.h"

#include "base/format.h"

namespace sentrel {

Size HyperLinkSizeTwips(TextExtent label) {
    return {HyperLink::kLabelLeftTwips + PixelsToTwips(label.width, label.dpi),
            PixelsToTwips(label.height, label.dpi) - kTwipsPerPixel};
}

std::string SubstituteAppFolder(const std::string& url, std::string appPath) {
    if (!appPath.empty() && appPath.back() == '\\') {
        appPath.pop_back();
    }
    return ReplaceAll(url, "{app}", appPath);
}

HyperLink::HyperLink(std::string name) : CaptionSizedControl(std::move(name)) {
    tmrMouseOut.Tick = [this] { OnMouseOutTick(); };
    HyperLink::ApplyResizeRule();
}

void HyperLink::SetCaption(const std::string& caption) {
    caption_ = caption;
    labelCaption_ = caption;
    ApplyResizeRule();
    Changed();
}

void HyperLink::SetURL(const std::string& url) {
    url_ = url;
    Changed();
}

void HyperLink::SetMinimiseOnClick(bool minimise) {
    minimiseOnClick_ = minimise;
}

void HyperLink::SetCloseOnClick(bool close) {
    closeOnClick_ = close;
}

int HyperLink::MouseOutCheckDelay() {
    tmrMouseOut.SetInterval(mouseOutCheckDelay_);
    return mouseOutCheckDelay_;
}

void HyperLink::SetMouseOutCheckDelay(int ms) {
    mouseOutCheckDelay_ = ms;
}

void HyperLink::SetLinkColour(Colour colour) {
    linkColour_ = colour;
    SetLabelColour(colour);
}

void HyperLink::SetUnderlined(bool underlined) {
    underlined_ = underlined;
    labelFont_.underline = underlined;
    ApplyResizeRule();
    Changed();
}

void HyperLink::SetToolTip(const std::string& text) {
    SetToolTipText(text);
}

void HyperLink::SetTextMeasure(TextMeasure measure) {
    measure_ = measure ? std::move(measure) : TextMeasure(EstimateTextExtent);
    ApplyResizeRule();
}

void HyperLink::ApplyResizeRule() {
    SizeTo(HyperLinkSizeTwips(measure_(labelCaption_, labelFont_)));
}

void HyperLink::SetLabelColour(Colour colour) {
    if (labelColour_ != colour) {
        labelColour_ = colour;
        Changed();
    }
}

void HyperLink::HandleLabelMouseMove() {
    if (labelColour_ == hilightColour_) {
        return;
    }
    SetLabelColour(hilightColour_);
    if (!hoverTimerRunning_) {
        tmrMouseOut.SetEnabled(true);
        hoverTimerRunning_ = true;
    }
}

void HyperLink::OnMouseOutTick() {
    if (pointer_ != nullptr && pointer_->WindowRect().StrictlyContains(pointer_->CursorPos())) {
        return;
    }
    tmrMouseOut.SetEnabled(false);
    hoverTimerRunning_ = false;
    SetLabelColour(linkColour_);
}

void HyperLink::HandleClick() {
    SetLabelColour(linkColour_);
    if (site_ == nullptr) {
        return;
    }
    // The substitution is kept: later clicks see the address with the folder in it.
    SetURL(SubstituteAppFolder(url_, site_->AppPath()));
    // Minimise before opening, so the opened window is not hidden behind ours; close after.
    if (!closeOnClick_ && minimiseOnClick_ && site_->ParentHasMinimiseButton()) {
        site_->MinimiseParent();
    }
    site_->ShellExe(url_, "", 0, 1, "");
    if (closeOnClick_) {
        site_->UnloadParent();
    }
}

}  // namespace sentrel
