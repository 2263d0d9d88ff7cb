#pragma once
// Whether the PC still has the RPC/DCOM hole that the worm comes in by (MS03-026), so that a
// clean PC would be infected again by the next infected host on the network.
#include <optional>
#include <string>

#include "worm/system_facts.h"

namespace sentrel {

enum class Exposure {
    Fixed,       // Microsoft's fix is present, or the system never had the hole
    Workaround,  // no fix, but remote DCOM is turned off, which closes the hole
    Exposed,     // no fix, DCOM on
    Unknown,     // the facts needed cannot be read, or the system is not one the fix is known for
};

struct ExposureResult {
    Exposure exposure = Exposure::Unknown;
    std::string why;  // for Unknown
};

inline constexpr const char* kRpcRuntimeFile = "rpcrt4.dll";

// enableDcom: the value EnableDCOM as stored, "" when missing.
ExposureResult DecideExposure(const SystemVersion& system, const std::optional<FileVersion>& rpcrt4,
                              const std::string& enableDcom);

struct ExposureCheck {
    ExposureResult result;
    std::optional<FileVersion> rpcrt4;  // as read, also where it did not decide
};

// Reads the facts and decides: one file version and one registry value.
ExposureCheck CheckExposure(SystemFacts& facts);

// "fixed", "workaround", "exposed" or "unknown".
const char* ExposureName(Exposure exposure);

inline constexpr const char* kExposedText =
    "This PC lacks Microsoft's fix for the hole the worm uses (MS03-026). Install it, or Windows "
    "XP Service Pack 2, or the worm will come back.";

}  // namespace sentrel
