#include "worm/registry_win32.h"

#include <windows.h>

#include "base/handles_win32.h"
#include "base/text_win32.h"

namespace sentrel {

void Win32Registry::DeleteMachineValue(RegistryView view, const std::string& subKey,
                                       const std::string& valueName) {
    const REGSAM viewFlag = view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    // Every result is ignored: a missing key or value, or denied access, goes by silently.
    UniqueHkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Utf8ToWide(subKey).c_str(), 0, KEY_SET_VALUE | viewFlag,
                      key.Put()) != ERROR_SUCCESS) {
        key.Release();  // not a handle of ours after a failed open
        return;
    }
    RegDeleteValueW(key.Get(), Utf8ToWide(valueName).c_str());
}

}  // namespace sentrel
