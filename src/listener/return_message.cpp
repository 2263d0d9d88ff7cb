#include "listener/return_message.h"

#include "base/web_addresses.h"
#include "base/format.h"

namespace sentrel {

std::string BarsToLineBreaks(const std::string& text) {
    return ReplaceAll(text, "|", "\r\n");
}

std::string ComposeReturnMessage(const std::string& text, const std::string& title) {
    return BarsToLineBreaks(text) + "\r\n\r\n Message sent with " + title + " by " + kHomePageUrl;
}

}  // namespace sentrel
