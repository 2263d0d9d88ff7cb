#pragma once
// The file operations of the scan and the clean.
#include <string>

namespace sentrel {

// How a file operation failed, in the terms the clean reports to the user.
enum class FileError {
    None,
    NotFound,      // no such file or path
    AccessDenied,  // denied, or the file is in use (sharing or lock violation)
    Other,
};

struct FileResult {
    FileError error = FileError::None;
    std::string description;  // the system's description of the failure
    bool Ok() const { return error == FileError::None; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The Windows directory without a trailing backslash (but for a root); "" when unknown.
    virtual std::string WindowsFolder() = 0;
    // True for an ordinary file of that name: a hidden or system file, or a folder, counts as
    // absent, as a directory lookup for normal files sees it. Names compare without case.
    virtual bool NormalFileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Clears read-only, hidden, system and archive.
    virtual FileResult SetNormalAttributes(const std::string& path) = 0;
    virtual FileResult RemoveFile(const std::string& path) = 0;
};

}  // namespace sentrel
