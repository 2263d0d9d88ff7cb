#pragma once
// Number and time formats of the program, with the system's separators passed in.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/clock.h"

namespace sentrel {

// "#,##0": digit groups of three, at least one digit (0 gives "0").
std::string FormatGrouped(std::int64_t value, const std::string& thousandsSeparator);
// "###,###,###": as above, but 0 gives "".
std::string FormatGroupedNoZero(std::int64_t value, const std::string& thousandsSeparator);
// "hh:mm:ss", 24-hour clock.
std::string FormatTime(const LocalTime& time, const std::string& timeSeparator);
// Zero-padded to the given number of digits ("00", "0000").
std::string FormatPadded(int value, int digits);

// The toolkit's reading of a text as a number: the leading number (sign, digits, one decimal
// point), 0 when the text does not begin with one. Leading blanks are skipped.
double LeadingNumber(std::string_view text);
// Rounded to a whole number, halves to even as the toolkit rounds, clamped to the int range.
int RoundToInt(double value);

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
std::string ToLowerAscii(std::string text);
// Without leading and trailing blanks, tabs and carriage returns.
std::string TrimBlanks(const std::string& text);
// A system error message as the program shows it: without its line breaks and trailing blanks
// and without its full stop (the program adds its own); "Error <code>" when there is none.
std::string SystemMessageText(std::string message, unsigned long code);

}  // namespace sentrel
