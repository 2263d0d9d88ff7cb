#pragma once
// The scan's and the clean's file operations on the real file system.
#include "worm/file_system.h"

namespace sentrel {

class Win32FileSystem : public FileSystem {
public:
    std::string WindowsFolder() override;
    bool NormalFileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    FileResult SetNormalAttributes(const std::string& path) override;
    FileResult RemoveFile(const std::string& path) override;
};

}  // namespace sentrel
