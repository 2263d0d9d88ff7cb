#include "log/text_file_replace.h"

#include <optional>

namespace sentrel {

namespace {

// Nothing where the replace is refused before the target was touched (a folder that takes no
// new files, a path too long for a temporary's name, a target held open without sharing its
// deletion): the temporary is gone then and the target as it was.
std::optional<FileWriteResult> ReplaceThroughTemporary(FileOperations& files,
                                                       const std::string& target,
                                                       const std::string& bytes) {
    const std::string temporary = files.CreateTemporaryBeside(target);
    if (temporary.empty()) {
        return std::nullopt;
    }
    FileCallError error = files.WriteWhole(temporary, bytes, false);
    if (error == 0) {
        // The replace keeps the target's attributes and permissions, but needs a target.
        error =
            files.Exists(target) ? files.Replace(target, temporary) : files.Move(temporary, target);
    }
    if (error == kUnableToMoveReplacement) {
        // The old text is gone: the new one takes its place, or stays where it is.
        error = files.Move(temporary, target);
        if (error != 0) {
            return FileWriteResult{
                false, files.Describe(error) + " The text is saved in " + temporary + " instead."};
        }
    }
    if (error == 0) {
        return FileWriteResult{true, {}};
    }
    files.Delete(temporary);
    return std::nullopt;
}

}  // namespace

// Where the replace is refused, the target is overwritten in place, as a plain save would: only
// a failed overwrite is reported.
FileWriteResult ReplaceOrOverwrite(FileOperations& files, const std::string& path,
                                   const std::string& bytes) {
    const TargetAccess access = files.CheckTarget(path);
    if (access.error != 0) {
        return {false, files.Describe(access.error)};
    }
    if (access.replaceable) {
        if (std::optional<FileWriteResult> replaced = ReplaceThroughTemporary(files, path, bytes)) {
            return *replaced;
        }
    }
    if (const FileCallError error = files.WriteWhole(path, bytes, true)) {
        return {false, files.Describe(error)};
    }
    return {true, {}};
}

}  // namespace sentrel
