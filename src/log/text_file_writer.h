#pragma once
// Writing the program's text files: the exports of the event log and of the IP list.
#include <string>

namespace sentrel {

struct FileWriteResult {
    bool written = false;
    std::string errorDescription;  // the system's description when not written
};

class TextFileWriter {
public:
    virtual ~TextFileWriter() = default;
    // Makes `utf8Text` the whole content of the file, in the system's ANSI code page. The file
    // is replaced whole where the system allows that, and overwritten in place elsewhere.
    virtual FileWriteResult WriteWholeFile(const std::string& path,
                                           const std::string& utf8Text) = 0;
    // True when a file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace sentrel
