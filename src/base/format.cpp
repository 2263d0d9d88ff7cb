#include "base/format.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace sentrel {

std::string FormatGrouped(std::int64_t value, const std::string& thousandsSeparator) {
    const bool negative = value < 0;
    // Work on the unsigned magnitude so that the smallest value does not overflow.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        out += digits[i];
        const size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            out += thousandsSeparator;
        }
    }
    return negative ? "-" + out : out;
}

std::string FormatGroupedNoZero(std::int64_t value, const std::string& thousandsSeparator) {
    return value == 0 ? std::string() : FormatGrouped(value, thousandsSeparator);
}

std::string FormatPadded(int value, int digits) {
    std::string text = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
    }
    return value < 0 ? "-" + text : text;
}

std::string FormatTime(const LocalTime& time, const std::string& timeSeparator) {
    return FormatPadded(time.hour, 2) + timeSeparator + FormatPadded(time.minute, 2) +
           timeSeparator + FormatPadded(time.second, 2);
}

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    return std::strtod(std::string(text.substr(start, i - start)).c_str(), nullptr);
}

int RoundToInt(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(rounded);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return text;
    }
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string SystemMessageText(std::string message, unsigned long code) {
    const auto last = message.find_last_not_of(" \r\n");
    message.erase(last == std::string::npos ? 0 : last + 1);
    if (message.empty()) {
        return "Error " + std::to_string(code);
    }
    if (message.back() == '.') {
        message.pop_back();
    }
    return message;
}

std::string ToLowerAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace sentrel
