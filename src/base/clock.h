#pragma once
// The local time and the user's number and time separators.
#include <string>

namespace sentrel {

// The time of day first: the event log shows only that.
struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int utcOffsetMinutes = 0;  // local time minus UTC
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
