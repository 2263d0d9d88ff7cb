#include "controls/property_bag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/format.h"

namespace sentrel {

namespace {

std::vector<std::string> SplitOnCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        parts.push_back(TrimBlanks(text.substr(start, comma - start)));
        if (comma == std::string::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

// The largest size the toolkit's fonts take; anything beyond (or not a number) is unreadable.
constexpr double kMaxFontPoints = 2160;

}  // namespace

PropertyBag PropertyBag::IgnoringKeyCase() const {
    PropertyBag copy(KeyMatch::IgnoreCase);
    copy.entries_ = entries_;
    return copy;
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::Locate(const std::string& key) const {
    if (match_ == KeyMatch::Exact) {
        return std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& e) { return e.first == key; });
    }
    const std::string lower = ToLowerAscii(key);
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return ToLowerAscii(e.first) == lower; });
}

std::optional<std::string> PropertyBag::Find(const std::string& key) const {
    const auto it = Locate(key);
    if (it == entries_.end()) {
        return std::nullopt;
    }
    return it->second;
}

void PropertyBag::Put(const std::string& key, const std::string& value) {
    const auto it = Locate(key);
    if (it != entries_.end()) {
        entries_[static_cast<std::size_t>(it - entries_.begin())].second = value;
        return;
    }
    entries_.emplace_back(key, value);
}

std::string PropertyBag::ReadString(const std::string& key, const std::string& byDefault) const {
    return Find(key).value_or(byDefault);
}

long PropertyBag::ReadLong(const std::string& key, long byDefault) const {
    const auto text = Find(key);
    return text ? ParseLong(*text).value_or(byDefault) : byDefault;
}

bool PropertyBag::ReadBool(const std::string& key, bool byDefault) const {
    const auto text = Find(key);
    return text ? ParseBool(*text).value_or(byDefault) : byDefault;
}

Colour PropertyBag::ReadColour(const std::string& key, Colour byDefault) const {
    const auto text = Find(key);
    if (!text) {
        return byDefault;
    }
    const auto value = ParseLong(*text);
    return value ? static_cast<Colour>(*value) : byDefault;
}

Font PropertyBag::ReadFont(const std::string& key, const Font& byDefault) const {
    const auto text = Find(key);
    return text ? ParseFont(*text).value_or(byDefault) : byDefault;
}

void PropertyBag::WriteString(const std::string& key, const std::string& value,
                              const std::optional<std::string>& byDefault) {
    if (byDefault && value == *byDefault) {
        return;
    }
    Put(key, value);
}

void PropertyBag::WriteLong(const std::string& key, long value, long byDefault) {
    if (value != byDefault) {
        Put(key, std::to_string(value));
    }
}

void PropertyBag::WriteBool(const std::string& key, bool value, bool byDefault) {
    if (value != byDefault) {
        Put(key, FormatBool(value));
    }
}

void PropertyBag::WriteColour(const std::string& key, Colour value, Colour byDefault) {
    if (value != byDefault) {
        Put(key, FormatColour(value));
    }
}

void PropertyBag::WriteFont(const std::string& key, const Font& value) {
    Put(key, FormatFont(value));
}

std::string FormatBool(bool value) {
    return value ? "True" : "False";
}

std::string FormatColour(Colour value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string FormatFont(const Font& font) {
    char size[32];
    std::snprintf(size, sizeof size, "%g", font.points);
    std::string text = font.name + ", " + size;
    if (font.bold) {
        text += ", bold";
    }
    if (font.underline) {
        text += ", underline";
    }
    return text;
}

std::optional<long> ParseLong(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    const bool hex =
        trimmed.size() > 2 && trimmed[0] == '0' && (trimmed[1] == 'x' || trimmed[1] == 'X');
    const char* first = trimmed.data() + (hex ? 2 : 0);
    const char* last = trimmed.data() + trimmed.size();
    if (hex) {
        unsigned long value = 0;
        const auto [end, error] = std::from_chars(first, last, value, 16);
        if (error != std::errc() || end != last || value > 0xFFFFFFFFUL) {
            return std::nullopt;
        }
        return static_cast<long>(value);
    }
    long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseBool(const std::string& text) {
    const std::string lower = ToLowerAscii(TrimBlanks(text));
    if (lower == "true" || lower == "-1" || lower == "1") {
        return true;
    }
    if (lower == "false" || lower == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<Font> ParseFont(const std::string& text) {
    const std::vector<std::string> parts = SplitOnCommas(text);
    if (parts.size() < 2 || parts[0].empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double points = std::strtod(parts[1].c_str(), &end);
    if (end == parts[1].c_str() || *end != '\0' || !std::isfinite(points) || points <= 0 ||
        points > kMaxFontPoints) {
        return std::nullopt;
    }
    Font font{parts[0], points, false, false};
    for (std::size_t i = 2; i < parts.size(); ++i) {
        const std::string style = ToLowerAscii(parts[i]);
        if (style == "bold") {
            font.bold = true;
        } else if (style == "underline") {
            font.underline = true;
        } else {
            return std::nullopt;
        }
    }
    return font;
}

}  // namespace sentrel
