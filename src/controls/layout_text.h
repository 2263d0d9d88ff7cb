#pragma once
// The text form of a window's saved layout: one "[instance]" section per control, each with
// "key = value" lines in the order the control wrote them. A value that would not survive
// as plain text (leading or trailing spaces, line breaks, a leading quote) is quoted with
// backslash escapes.
#include <string>
#include <utility>
#include <vector>

#include "controls/property_bag.h"

namespace sentrel {

struct LayoutSection {
    std::string instance;
    PropertyBag bag;
};
using LayoutDocument = std::vector<LayoutSection>;

// Unreadable lines are skipped; a later section of the same name adds to the earlier one.
LayoutDocument ParseLayout(const std::string& text);
std::string FormatLayout(const LayoutDocument& document);

// The bag of one instance, or an empty one when the layout has no section for it.
PropertyBag SectionOf(const LayoutDocument& document, const std::string& instance);

}  // namespace sentrel
