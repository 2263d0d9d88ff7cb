#pragma once
// What the program knows about itself: its file name, its folder and its version record.
#include <string>

namespace sentrel {

struct VersionRecord {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

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
