#pragma once
// What the program knows about itself: its file name, its folder and its version record.
#include <string>

namespace sentrel {

struct VersionRecord {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version this program was built as; the running file's version record says the same.
inline constexpr VersionRecord kBuiltVersion{SENTREL_VERSION_MAJOR, SENTREL_VERSION_MINOR,
                                             SENTREL_VERSION_REVISION};

class AppEnvironment {
public:
    virtual ~AppEnvironment() = default;
    // The running executable's file name without extension, read afresh at every call.
    virtual std::string ExeName() = 0;
    // The program's folder, without a trailing backslash except for a drive root ("C:\").
    virtual std::string Path() = 0;
    virtual VersionRecord Version() = 0;
};

}  // namespace sentrel
