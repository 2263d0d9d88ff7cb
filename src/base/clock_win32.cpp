#include "base/clock_win32.h"

#include <windows.h>

#include "base/text_win32.h"

namespace sentrel {

namespace {

// The user's locale by its number, which every Windows version takes, with the user's own
// choices of separator.
std::string UserLocaleInfo(LCTYPE type, const char* fallback) {
    wchar_t buffer[16] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16) == 0) {
        return fallback;
    }
    return WideToUtf8(buffer);
}

// Minutes of UTC minus local time, daylight saving time included.
LONG UtcBias() {
    TIME_ZONE_INFORMATION zone{};
    switch (GetTimeZoneInformation(&zone)) {
        case TIME_ZONE_ID_STANDARD:
            return zone.Bias + zone.StandardBias;
        case TIME_ZONE_ID_DAYLIGHT:
            return zone.Bias + zone.DaylightBias;
        case TIME_ZONE_ID_UNKNOWN:
            return zone.Bias;
        default:
            return 0;
    }
}

}  // namespace

LocalTime SystemClock::Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wHour,
                     now.wMinute,
                     now.wSecond,
                     now.wYear,
                     now.wMonth,
                     now.wDay,
                     static_cast<int>(-UtcBias())};
}

std::string UserLocale::ThousandsSeparator() {
    return UserLocaleInfo(LOCALE_STHOUSAND, ",");
}

std::string UserLocale::TimeSeparator() {
    return UserLocaleInfo(LOCALE_STIME, ":");
}

}  // namespace sentrel
