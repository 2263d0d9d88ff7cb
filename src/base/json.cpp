#include "base/json.h"

#include <cstdio>

namespace sentrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// What a sequence's first byte says: how many bytes follow, its own bits of the code point, and
// the least code point that needs that many bytes (anything less is an overlong form).
struct LeadByte {
    int following;
    char32_t bits;
    char32_t least;
};

LeadByte ReadLead(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return {1, lead & 0x1FU, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return {2, lead & 0x0FU, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return {3, lead & 0x07U, 0x10000};
    }
    return {-1, 0, 0};
}

// Decodes the code point at `at` and moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto first = static_cast<unsigned char>(text[at++]);
    if (first < 0x80) {
        return first;
    }
    const auto [following, bits, least] = ReadLead(first);
    if (following < 0) {
        return kReplacement;
    }
    char32_t point = bits;
    for (int i = 0; i < following; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < least || point > 0x10FFFF || surrogate ? kReplacement : point;
}

void AppendEscape(std::string& out, char32_t unit) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
    out += escape;
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t point = NextCodePoint(utf8, at);
        if (point == '"' || point == '\\') {
            out += '\\';
            out += static_cast<char>(point);
        } else if (point >= 0x20 && point < 0x7F) {
            out += static_cast<char>(point);
        } else if (point < 0x10000) {
            AppendEscape(out, point);
        } else {
            // Outside the basic plane: a surrogate pair.
            const char32_t offset = point - 0x10000;
            AppendEscape(out, 0xD800 + (offset >> 10));
            AppendEscape(out, 0xDC00 + (offset & 0x3FF));
        }
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (const std::string& item : items) {
        if (out.size() > 1) {
            out += ',';
        }
        out += JsonString(item);
    }
    return out + "]";
}

}  // namespace sentrel
