#pragma once
#include <cstdint>
#include <string>

namespace sentrel {

struct ShellOpenRequest {
    std::string file;
    std::string parameters;
    std::uintptr_t ownerWindow = 0;
    int showCommand = 1;
    std::string directory;
};

// Opens a document or address with its associated program ("open" verb); false on failure.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool Open(const ShellOpenRequest& request) = 0;
};

}  // namespace sentrel
