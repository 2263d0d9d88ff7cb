#pragma once
// Fakes of the event log's services: text files kept in memory.
#include <map>
#include <string>
#include <vector>

#include "log/text_file_replace.h"
#include "log/text_file_writer.h"

namespace sentrel::test {

class FakeTextFileWriter : public TextFileWriter {
public:
    FileWriteResult WriteWholeFile(const std::string& path, const std::string& utf8Text) override {
        attempts.push_back(path);
        if (!failure.empty()) {
            return {false, failure};
        }
        files[path] = utf8Text;
        return {true, {}};
    }
    FileWriteResult AppendToFile(const std::string& path, const std::string& utf8Text) override {
        files[path] += utf8Text;
        return {true, {}};
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }

    std::map<std::string, std::string> files;  // path to content, as written
    std::vector<std::string> attempts;         // every path a write was tried on
    std::string failure;                       // when set, every write fails with it
};

// The file calls under a whole-file write, on files in memory; each call fails as set.
class FakeFileOperations : public FileOperations {
public:
    static constexpr const char* kTemporary = "C:\\out\\snt1.tmp";
    TargetAccess CheckTarget(const std::string&) override { return {}; }
    std::string CreateTemporaryBeside(const std::string&) override { return kTemporary; }
    FileCallError WriteWhole(const std::string& path, const std::string& bytes,
                             bool inPlace) override {
        if (!inPlace || inPlaceError == 0) {
            files[path] = bytes;
        }
        return inPlace ? inPlaceError : 0;
    }
    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    FileCallError Replace(const std::string& target, const std::string& replacement) override {
        if (replaceError == kUnableToMoveReplacement) {
            files.erase(target);  // as the system leaves it
        }
        return replaceError != 0 ? replaceError : Move(replacement, target);
    }
    FileCallError Move(const std::string& from, const std::string& to) override {
        if (moveError == 0) {
            files[to] = files[from];
            files.erase(from);
        }
        return moveError;
    }
    void Delete(const std::string& path) override { files.erase(path); }
    std::string Describe(FileCallError error) override {
        return "Error " + std::to_string(error) + ".";
    }

    std::map<std::string, std::string> files;
    FileCallError replaceError = 0;
    FileCallError moveError = 0;
    FileCallError inPlaceError = 0;
};

}  // namespace sentrel::test
