#pragma once
// The saved layout of one control: a keyed store of property values, kept in the order written.
// Reads take a default for a missing key; writes skip a value equal to its default.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/font.h"
#include "ui/geometry.h"

namespace sentrel {

enum class KeyMatch { Exact, IgnoreCase };

class PropertyBag {
public:
    using Entry = std::pair<std::string, std::string>;

    PropertyBag() = default;
    explicit PropertyBag(KeyMatch match) : match_(match) {}

    // The same entries, looked up without regard to the case of the keys.
    PropertyBag IgnoringKeyCase() const;

    const std::vector<Entry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }
    std::optional<std::string> Find(const std::string& key) const;
    // Stores the raw text of a value, replacing an entry of the same key.
    void Put(const std::string& key, const std::string& value);

    std::string ReadString(const std::string& key, const std::string& byDefault) const;
    long ReadLong(const std::string& key, long byDefault) const;
    bool ReadBool(const std::string& key, bool byDefault) const;
    Colour ReadColour(const std::string& key, Colour byDefault) const;
    Font ReadFont(const std::string& key, const Font& byDefault) const;

    // Without a default the value is always written.
    void WriteString(const std::string& key, const std::string& value,
                     const std::optional<std::string>& byDefault = std::nullopt);
    void WriteLong(const std::string& key, long value, long byDefault);
    void WriteBool(const std::string& key, bool value, bool byDefault);
    void WriteColour(const std::string& key, Colour value, Colour byDefault);
    // Fonts are objects: the one a control holds is never the window's own, so it is always
    // written.
    void WriteFont(const std::string& key, const Font& value);

private:
    std::vector<Entry>::const_iterator Locate(const std::string& key) const;

    KeyMatch match_ = KeyMatch::Exact;
    std::vector<Entry> entries_;
};

// The text forms of the values, shared by the bag and its tests.
std::string FormatBool(bool value);
std::string FormatColour(Colour value);
std::string FormatFont(const Font& font);
std::optional<long> ParseLong(const std::string& text);
std::optional<bool> ParseBool(const std::string& text);
std::optional<Font> ParseFont(const std::string& text);

}  // namespace sentrel
