#pragma once
// The file calls of a whole-file write on the real system.
#include "log/text_file_replace.h"

namespace sentrel {

class Win32FileOperations : public FileOperations {
public:
    TargetAccess CheckTarget(const std::string& path) override;
    std::string CreateTemporaryBeside(const std::string& target) override;
    FileCallError WriteWhole(const std::string& path, const std::string& bytes,
                             bool inPlace) override;
    bool Exists(const std::string& path) override;
    FileCallError Replace(const std::string& target, const std::string& replacement) override;
    FileCallError Move(const std::string& from, const std::string& to) override;
    void Delete(const std::string& path) override;
    std::string Describe(FileCallError error) override;
};

}  // namespace sentrel
