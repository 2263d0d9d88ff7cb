#pragma once
// Functions of the system's DLLs that Windows XP SP3 lacks, looked up at run time: a program
// that imports one of them does not start there. Each caller has a fallback for a missing one.
#include <windows.h>

namespace sentrel {

struct WindowsVersion {
    DWORD major = 0;
    DWORD minor = 0;
};
// The first versions that export the functions the program looks up.
inline constexpr WindowsVersion kWindowsServer2003{5, 2};  // and 64-bit XP
inline constexpr WindowsVersion kWindowsVista{6, 0};
inline constexpr WindowsVersion kWindows7{6, 1};
inline constexpr WindowsVersion kWindows10{10, 0};

// True when the system reports that version or a later one.
bool WindowsIsAtLeast(WindowsVersion version);

// The function `name` of a DLL that the program already imports (so it is loaded), or null when
// the DLL lacks it or the system reports a version older than `since`. A system that reports an
// older version (Wine set to Windows XP, a compatibility mode) so takes that version's paths.
FARPROC FindSystemFunction(const wchar_t* dll, const char* name, WindowsVersion since);

// The same, typed: SystemFunction<decltype(&GetLocaleInfoEx)>(L"kernel32.dll", ...). The
// declaration only lends its type; nothing is imported.
template <class FunctionPointer>
FunctionPointer SystemFunction(const wchar_t* dll, const char* name, WindowsVersion since) {
    // FARPROC goes through a plain function pointer: GCC warns on a direct cast between
    // function pointer types.
    return reinterpret_cast<FunctionPointer>(
        reinterpret_cast<void (*)()>(FindSystemFunction(dll, name, since)));
}

// A DLL of the system folder that is not a known DLL (iphlpapi, version, winmm), loaded by its
// full path by the object that needs it and freed with it. Imported, it would be looked for
// beside the program first, where anyone who can write a file could plant one; the program only
// imports the known DLLs (the imports.dlls test keeps it so).
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function, typed as its declaration; null where the DLL or the function is missing.
    template <class FunctionPointer>
    FunctionPointer Function(const char* name) const {
        return module_ == nullptr ? nullptr
                                  : reinterpret_cast<FunctionPointer>(reinterpret_cast<void (*)()>(
                                        GetProcAddress(module_, name)));
    }

private:
    HMODULE module_ = nullptr;
};

}  // namespace sentrel
