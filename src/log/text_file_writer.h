#pragma once
// Writing the program's text files: the exports of the event log and of the IP list, and the
// log of unattended runs.
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
    // Adds `utf8Text` at the end of the file, made if missing, in one write, so that texts that
    // other programs (on other PCs, for a file on a share) append at the same moment never
    // interleave with it; a write cut short fails.
    virtual FileWriteResult AppendToFile(const std::string& path, const std::string& utf8Text) = 0;
    // True when a file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace sentrel
