#pragma once
// Writing a text file whole: through a temporary file beside it, which takes the file's place
// only once it is whole on the disk, else in place. The decisions sit here, on the file calls
// that the system offers, so that every refusal of theirs can be tried.
#include <cstdint>
#include <string>

#include "log/text_file_writer.h"

namespace sentrel {

// The system's error codes; 0 is success.
using FileCallError = std::uint32_t;
// The replace moved the file away but could not put the replacement in its place: the file is
// gone, its new text is only in the replacement.
inline constexpr FileCallError kUnableToMoveReplacement = 1176;

struct TargetAccess {
    FileCallError error = 0;  // why the target may not be written, or 0
    bool replaceable = true;  // whether a rename may take its place
};

class FileOperations {
public:
    virtual ~FileOperations() = default;
    virtual TargetAccess CheckTarget(const std::string& path) = 0;
    // The name of a new, empty file beside the target; "" when none can be made.
    virtual std::string CreateTemporaryBeside(const std::string& target) = 0;
    // Makes the bytes the whole file, on the disk. In place: the target, opened or created,
    // shared with its readers and writers; else the temporary, which nobody else holds.
    virtual FileCallError WriteWhole(const std::string& path, const std::string& bytes,
                                     bool inPlace) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // The replacement takes the target's place, keeping its attributes and permissions.
    virtual FileCallError Replace(const std::string& target, const std::string& replacement) = 0;
    // Renames a file to a name that is free.
    virtual FileCallError Move(const std::string& from, const std::string& to) = 0;
    virtual void Delete(const std::string& path) = 0;
    // The system's description of the error.
    virtual std::string Describe(FileCallError error) = 0;
};

// Makes the bytes the whole content of the file: replaced whole where the system allows that,
// overwritten in place elsewhere. The old text or the new survives every failure.
FileWriteResult ReplaceOrOverwrite(FileOperations& files, const std::string& path,
                                   const std::string& bytes);

}  // namespace sentrel
