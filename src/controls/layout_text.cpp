#include "controls/layout_text.h"

#include <algorithm>
#include <sstream>

#include "base/format.h"

namespace sentrel {

namespace {

constexpr const char* kHeader = "; Saved layout: one section per control, \"key = value\" lines.\n";

bool NeedsQuotes(const std::string& value) {
    if (value.empty()) {
        return false;
    }
    return value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
           value.back() == '\t' || value.front() == '"' ||
           value.find_first_of("\r\n") != std::string::npos;
}

std::string Quote(const std::string& value) {
    std::string out = "\"";
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string Unquote(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return value;
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 2 < value.size()) {
            const char next = value[++i];
            c = next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        }
        out += c;
    }
    return out;
}

LayoutSection* FindSection(LayoutDocument& document, const std::string& instance) {
    const auto it = std::find_if(document.begin(), document.end(),
                                 [&](const LayoutSection& s) { return s.instance == instance; });
    return it == document.end() ? nullptr : &*it;
}

}  // namespace

LayoutDocument ParseLayout(const std::string& text) {
    LayoutDocument document;
    LayoutSection* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            const std::string name = TrimBlanks(trimmed.substr(1, trimmed.size() - 2));
            current = FindSection(document, name);
            if (current == nullptr) {
                document.push_back({name, {}});
                current = &document.back();
            }
            continue;
        }
        const auto equals = trimmed.find('=');
        if (current == nullptr || equals == std::string::npos) {
            continue;
        }
        const std::string key = TrimBlanks(trimmed.substr(0, equals));
        if (!key.empty()) {
            current->bag.Put(key, Unquote(TrimBlanks(trimmed.substr(equals + 1))));
        }
    }
    return document;
}

std::string FormatLayout(const LayoutDocument& document) {
    std::string text = kHeader;
    for (const LayoutSection& section : document) {
        text += "\n[" + section.instance + "]\n";
        for (const auto& [key, value] : section.bag.Entries()) {
            text += key + " =";
            if (!value.empty()) {
                text += " " + (NeedsQuotes(value) ? Quote(value) : value);
            }
            text += "\n";
        }
    }
    return text;
}

PropertyBag SectionOf(const LayoutDocument& document, const std::string& instance) {
    for (const LayoutSection& section : document) {
        if (section.instance == instance) {
            return section.bag;
        }
    }
    return {};
}

}  // namespace sentrel
