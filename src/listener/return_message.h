#pragma once
// The reply sent to every probing host, as the user typed it and as it is sent.
#include <string>

namespace sentrel {

// A "|" in the typed text stands for a line break.
std::string BarsToLineBreaks(const std::string& text);

// The typed text with its line breaks, a blank line and the footer naming the program (title)
// and its home page.
std::string ComposeReturnMessage(const std::string& text, const std::string& title);

}  // namespace sentrel
