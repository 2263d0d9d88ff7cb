#pragma once
// The local time of day and the user's separators, from the system.
#include "base/clock.h"

namespace sentrel {

class SystemClock : public Clock {
public:
    LocalTime Now() override;
};

class UserLocale : public Locale {
public:
    std::string ThousandsSeparator() override;
    std::string TimeSeparator() override;
};

}  // namespace sentrel
