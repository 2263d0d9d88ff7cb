#include "ui/file_dialog_win32.h"

#include <algorithm>

#include "base/text_win32.h"

namespace sentrel {

namespace {

constexpr wchar_t kFilterSeparator = L'\u00AC';  // "¬"

std::wstring FilterList(const std::string& filter) {
    std::wstring list = Utf8ToWide(filter);
    std::replace(list.begin(), list.end(), kFilterSeparator, L'\0');
    list.append(2, L'\0');
    return list;
}

// An empty text means "the dialog's own choice", which the record says with a null pointer.
const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

FileDialogRecord::FileDialogRecord(const FileDialogRequest& request, HWND owner)
    : save_(request.save),
      filter_(request.filter.empty() ? std::wstring() : FilterList(request.filter)),
      title_(Utf8ToWide(request.title)),
      initialFolder_(Utf8ToWide(request.initialFolder)),
      defaultExtension_(Utf8ToWide(request.defaultExtension)) {
    // A longer initial name is cut short so that the buffer stays NUL-terminated.
    std::wstring initialName = Utf8ToWide(request.initialName);
    if (initialName.size() >= kFileBufferChars) {
        initialName.resize(kFileBufferChars - 1);
        if (IS_HIGH_SURROGATE(initialName.back())) {
            initialName.pop_back();
        }
    }
    std::copy(initialName.begin(), initialName.end(), file_);

    record_.lStructSize = sizeof(record_);
    record_.hwndOwner = owner;
    record_.lpstrFilter = OrNull(filter_);
    record_.nFilterIndex = 1;
    record_.lpstrFile = file_;
    record_.nMaxFile = kFileBufferChars;
    record_.lpstrFileTitle = fileTitle_;
    record_.nMaxFileTitle = kFileTitleBufferChars;
    record_.lpstrInitialDir = OrNull(initialFolder_);
    record_.lpstrTitle = OrNull(title_);
    record_.Flags = save_ ? kSaveFlags : kOpenFlags;
    record_.lpstrDefExt = OrNull(defaultExtension_);
}

std::string FileDialogRecord::ChosenPath() const {
    return WideToUtf8(std::wstring(file_, std::find(file_, file_ + kFileBufferChars, L'\0')));
}

std::string RunFileDialog(HWND owner, const FileDialogRequest& request) {
    FileDialogRecord dialog(request, owner);
    const BOOL chosen =
        dialog.Save() ? GetSaveFileNameW(&dialog.Record()) : GetOpenFileNameW(&dialog.Record());
    return chosen ? dialog.ChosenPath() : std::string();
}

}  // namespace sentrel
