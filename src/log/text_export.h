#pragma once
// The steps both text exports share: ask for the file name, apply the ".txt" rule, confirm
// replacing a file the rule's new name would overwrite, write, and report a failure.
#include <functional>
#include <string>

#include "log/text_file_writer.h"
#include "ui/dialogs.h"

namespace sentrel {

inline constexpr const char* kNotSavedStatus = "Logging has not been saved.";

// The path with ".txt" appended unless its last four characters, lower-cased, are ".txt".
std::string WithTxtExtension(const std::string& path);

struct TextExport {
    std::string dialogTitle;
    std::string errorPrefix;               // the system's description follows it
    std::function<std::string()> content;  // UTF-8, CR LF; built once the name is chosen
};

enum class ExportOutcome { Saved, NotSaved, Failed };

// NotSaved: the user cancelled the dialog or declined to replace the file; the caller shows
// kNotSavedStatus. Failed: the error box has been shown.
ExportOutcome ExportTextFile(Dialogs& dialogs, TextFileWriter& writer, const TextExport& request);

}  // namespace sentrel
