#pragma once
// The file operations of the scan and the clean.
#include <string>

namespace sentrel {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string WindowsFolder() = 0;
};

}  // namespace sentrel
