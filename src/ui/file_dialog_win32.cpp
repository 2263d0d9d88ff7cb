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
    : filter_(request.filter.empty() ? std::wstring() : FilterList(request.filter)),
      title_(Utf8ToWide(request.title)) {
    record_.lStructSize = sizeof(record_);
    record_.hwndOwner = owner;
    record_.lpstrFilter = OrNull(filter_);
    record_.nFilterIndex = 1;
    record_.lpstrFile = file_;
    record_.nMaxFile = kFileBufferChars;
    record_.lpstrFileTitle = fileTitle_;
    record_.nMaxFileTitle = kFileTitleBufferChars;
    record_.lpstrTitle = OrNull(title_);
    record_.Flags = kSaveFlags;
}

std::string FileDialogRecord::ChosenPath() const {
    return WideToUtf8(std::wstring(file_, std::find(file_, file_ + kFileBufferChars, L'\0')));
}

std::string RunFileDialog(HWND owner, const FileDialogRequest& request) {
    FileDialogRecord dialog(request, owner);
    return GetSaveFileNameW(&dialog.Record()) ? dialog.ChosenPath() : std::string();
}

}  // namespace sentrel
