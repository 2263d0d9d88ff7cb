#include "window/main_saved_layout_win32.h"

namespace sentrel {

std::string LoadMainLayoutResource(HINSTANCE instance) {
    HRSRC found = FindResourceW(instance, L"MAINLAYOUT", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) {
        return "";
    }
    HGLOBAL loaded = LoadResource(instance, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return "";
    }
    return std::string(static_cast<const char*>(data), SizeofResource(instance, found));
}

}  // namespace sentrel
