#pragma once
// JSON text in plain ASCII: every other character is written as a \u escape, so the text reads
// the same in any code page.
#include <string>
#include <string_view>
#include <vector>

namespace sentrel {

// The quoted JSON string of a UTF-8 text; a malformed sequence becomes U+FFFD.
std::string JsonString(std::string_view utf8);

// ["a","b"]
std::string JsonArray(const std::vector<std::string>& items);

}  // namespace sentrel
