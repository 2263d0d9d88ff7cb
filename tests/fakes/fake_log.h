#pragma once
// Fake of the event log's service: text files kept in memory.
#include <map>
#include <string>
#include <vector>

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
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }

    std::map<std::string, std::string> files;  // path to content, as written
    std::vector<std::string> attempts;         // every path a write was tried on
    std::string failure;                       // when set, every write fails with it
};

}  // namespace sentrel::test
