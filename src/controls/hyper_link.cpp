#include "controls/hyper_link.h"

namespace sentrel {

void HyperLink::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void HyperLink::SetURL(const std::string& url) {
    url_ = url;
    Changed();
}

}  // namespace sentrel
