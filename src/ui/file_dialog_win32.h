#pragma once
// The common Save As dialog, driven by a FileDialogRequest.
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "ui/dialogs.h"

namespace sentrel {

// The OPENFILENAMEW record for one request, with the buffers it points into. It points into
// itself, so it is built in place and never copied or moved.
class FileDialogRecord {
public:
    static constexpr DWORD kFileBufferChars = 250;
    static constexpr DWORD kFileTitleBufferChars = 255;
    // The dialogs leave the current folder as it was: a folder the user saved into may hold
    // anything, and the current folder is one the system searches for programs.
    static constexpr DWORD kSaveFlags =
        OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;

    FileDialogRecord(const FileDialogRequest& request, HWND owner);
    FileDialogRecord(const FileDialogRecord&) = delete;
    FileDialogRecord& operator=(const FileDialogRecord&) = delete;

    OPENFILENAMEW& Record() { return record_; }
    // The file buffer up to its first NUL.
    std::string ChosenPath() const;

private:
    std::wstring filter_;  // fields separated by NULs, two NULs at the end
    std::wstring title_;
    wchar_t file_[kFileBufferChars] = {};
    wchar_t fileTitle_[kFileTitleBufferChars] = {};
    OPENFILENAMEW record_{};
};

// Shows the dialog modal to `owner`; the chosen full path, or "" when the user cancelled or the
// dialog failed.
std::string RunFileDialog(HWND owner, const FileDialogRequest& request);

}  // namespace sentrel
