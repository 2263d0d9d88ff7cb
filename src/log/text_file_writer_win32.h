#pragma once
// Text files written in the system's ANSI code page, replaced whole through a temporary file.
#include <string>

#include "log/text_file_writer.h"

namespace sentrel {

class Win32TextFileWriter : public TextFileWriter {
public:
    FileWriteResult WriteWholeFile(const std::string& path, const std::string& utf8Text) override;
    FileWriteResult AppendToFile(const std::string& path, const std::string& utf8Text) override;
    bool FileExists(const std::string& path) override;
};

}  // namespace sentrel
