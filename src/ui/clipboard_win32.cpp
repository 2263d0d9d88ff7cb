#include "ui/clipboard_win32.h"

#include <cstring>

#include "base/text_win32.h"

namespace sentrel {

namespace {

// The clipboard is open while it lives.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

}  // namespace

bool SetClipboardText(HWND owner, const std::string& text) {
    const std::wstring wide = Utf8ToWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return false;
    }
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, wide.c_str(), bytes);
        GlobalUnlock(memory);
    }
    OpenClipboardScope clipboard(owner);
    // Once SetClipboardData takes the memory, the clipboard owns it.
    if (!clipboard.IsOpen() || EmptyClipboard() == FALSE ||
        SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::string ClipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    HANDLE data = clipboard.IsOpen() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr) {
        return {};
    }
    std::string result = WideToUtf8(text);
    GlobalUnlock(data);
    return result;
}

}  // namespace sentrel
