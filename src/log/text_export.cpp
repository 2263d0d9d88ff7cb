#include "log/text_export.h"

#include "base/format.h"

namespace sentrel {

namespace {

constexpr const char* kTxt = ".txt";
constexpr const char* kAllFilesFilter = "(*.*) All Files\xC2\xAC*.*";

// The dialog's own overwrite question covered the name as typed, not the one with ".txt".
bool MayReplace(Dialogs& dialogs, TextFileWriter& writer, const std::string& path,
                const std::string& title) {
    if (!writer.FileExists(path)) {
        return true;
    }
    return dialogs.AskYesNo(path + " already exists.\r\nDo you want to replace it?", title);
}

}  // namespace

std::string WithTxtExtension(const std::string& path) {
    // ".txt" is ASCII, so comparing the last four bytes is comparing the last four characters.
    if (path.size() >= 4 && ToLowerAscii(path.substr(path.size() - 4)) == kTxt) {
        return path;
    }
    return path + kTxt;
}

ExportOutcome ExportTextFile(Dialogs& dialogs, TextFileWriter& writer, const TextExport& request) {
    FileDialogRequest dialog;
    dialog.title = request.dialogTitle;
    dialog.filter = kAllFilesFilter;
    const std::string chosen = dialogs.ShowFileDialog(dialog);
    if (chosen.empty()) {
        return ExportOutcome::NotSaved;
    }

    const std::string path = WithTxtExtension(chosen);
    if (path != chosen && !MayReplace(dialogs, writer, path, request.dialogTitle)) {
        return ExportOutcome::NotSaved;
    }

    const FileWriteResult result = writer.WriteWholeFile(path, request.content());
    if (!result.written) {
        dialogs.ShowMessage(request.errorPrefix + result.errorDescription, kMsgExclamation, "");
        return ExportOutcome::Failed;
    }
    return ExportOutcome::Saved;
}

}  // namespace sentrel
