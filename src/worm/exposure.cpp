#include "worm/exposure.h"

#include <tuple>

namespace sentrel {

namespace {

// The versions of rpcrt4.dll that carry the fix (MS03-026, and MS03-039 and MS04-012 after it),
// from Microsoft's bulletins and the public vulnerability definitions.
struct RpcFixRow {
    int major;
    int minor;
    int fromServicePack;     // the row holds from this service pack on ...
    int fixedInServicePack;  // ... until this one, which contains the fix (0: no later one does)
    FileVersion minimum;
};

// Windows 2000 before SP2 had no fix of its own: a file that old is below the same threshold.
constexpr RpcFixRow kRpcFixRows[] = {
    {5, 0, 0, 0, {5, 0, 2195, 6753}},
    {5, 1, 0, 2, {5, 1, 2600, 109}},
    {5, 1, 1, 2, {5, 1, 2600, 1230}},
    {5, 2, 0, 1, {5, 2, 3790, 59}},  // Server 2003 and 64-bit XP
};

const RpcFixRow* RpcFixRowFor(const SystemVersion& system) {
    const RpcFixRow* found = nullptr;
    for (const RpcFixRow& row : kRpcFixRows) {
        if (row.major == system.major && row.minor == system.minor &&
            system.servicePack >= row.fromServicePack) {
            found = &row;
        }
    }
    return found;
}

constexpr const char* kUnreadableRpcVersion = "the version of rpcrt4.dll could not be read";

bool FileVersionAtLeast(const FileVersion& version, const FileVersion& minimum) {
    return std::tie(version.major, version.minor, version.build, version.revision) >=
           std::tie(minimum.major, minimum.minor, minimum.build, minimum.revision);
}

// Turning remote DCOM off closes the hole; on Windows 2000 only from SP3 on.
bool DcomClosesTheHole(const SystemVersion& system, const std::string& enableDcom) {
    const bool off = enableDcom == "N" || enableDcom == "n";
    return off && (system.major != 5 || system.minor != 0 || system.servicePack >= 3);
}

}  // namespace

std::string FormatFileVersion(const FileVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.build) + "." + std::to_string(version.revision);
}

ExposureResult DecideExposure(const SystemVersion& system, const std::optional<FileVersion>& rpcrt4,
                              const std::string& enableDcom) {
    if (system.major >= 6) {
        return {Exposure::Fixed, ""};  // Vista and later never had the hole
    }
    const RpcFixRow* row = RpcFixRowFor(system);
    if (row == nullptr) {
        return {Exposure::Unknown, "no fix is known for Windows " + std::to_string(system.major) +
                                       "." + std::to_string(system.minor)};
    }
    if (row->fixedInServicePack != 0 && system.servicePack >= row->fixedInServicePack) {
        return {Exposure::Fixed, ""};
    }
    if (!rpcrt4) {
        return {Exposure::Unknown, kUnreadableRpcVersion};
    }
    if (FileVersionAtLeast(*rpcrt4, row->minimum)) {
        return {Exposure::Fixed, ""};
    }
    return {DcomClosesTheHole(system, enableDcom) ? Exposure::Workaround : Exposure::Exposed, ""};
}

ExposureCheck CheckExposure(SystemFacts& facts) {
    const FileVersionRead read = facts.SystemFileVersion(kRpcRuntimeFile);
    ExposureCheck check{DecideExposure(facts.RunningSystem(), read.version, facts.EnableDcom()),
                        read.version};
    if (check.result.why == kUnreadableRpcVersion && !read.error.empty()) {
        check.result.why += ": " + read.error;
    }
    return check;
}

const char* ExposureName(Exposure exposure) {
    switch (exposure) {
        case Exposure::Fixed:
            return "fixed";
        case Exposure::Workaround:
            return "workaround";
        case Exposure::Exposed:
            return "exposed";
        case Exposure::Unknown:
            break;
    }
    return "unknown";
}

}  // namespace sentrel
