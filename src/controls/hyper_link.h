#pragma once
// A one-line text link that opens its address with the associated program.
#include <string>

#include "ui/control.h"

namespace sentrel {

class HyperLink : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url);

private:
    std::string caption_ = "-- Link --";
    std::string url_;
};

}  // namespace sentrel
