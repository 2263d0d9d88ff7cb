#pragma once
// What the exposure check reads of the running system: its version, the version of one of its
// files, and the machine's DCOM switch.
#include <optional>
#include <string>

namespace sentrel {

struct SystemVersion {
    int major = 0;
    int minor = 0;
    int servicePack = 0;  // its major number; 0 without one
};

struct FileVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
    int revision = 0;
};

// "5.1.2600.2180"
std::string FormatFileVersion(const FileVersion& version);

struct FileVersionRead {
    std::optional<FileVersion> version;
    std::string error;  // why there is none
};

class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    // As the system reports it (a compatibility mode reports the version it imitates).
    virtual SystemVersion RunningSystem() = 0;
    // The file version of a file in the real system folder: on 64-bit Windows the 64-bit
    // System32, not SysWOW64.
    virtual FileVersionRead SystemFileVersion(const std::string& fileName) = 0;
    // HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Ole, value EnableDCOM, as the system's own (64-bit)
    // side reads it; "" when it is missing or not a string.
    virtual std::string EnableDcom() = 0;
};

}  // namespace sentrel
