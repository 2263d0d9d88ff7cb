#pragma once
// Time of day and the user's number and time separators.
#include <string>

namespace sentrel {

struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

class Locale {
public:
    virtual ~Locale() = default;
    virtual std::string ThousandsSeparator() = 0;
    virtual std::string TimeSeparator() = 0;
};

}  // namespace sentrel
