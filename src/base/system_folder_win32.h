#pragma once
// The system folder with the system's own programs and DLLs, and the rule that DLLs come only
// from there. A 32-bit program on 64-bit Windows sees SysWOW64 under the name System32; the real
// System32 it reaches by another name, or with the redirection switched off.
#include <windows.h>

#include <string>

namespace sentrel {

// True for a 32-bit program on 64-bit Windows.
bool RunsUnderWow64();

// The system folder without a trailing backslash; for a 32-bit program on 64-bit Windows the
// real System32 as "<Windows>\Sysnative" where the system knows that name (Vista and later),
// else SysWOW64 with the 32-bit programs. "" when unknown.
std::wstring SystemFolderPath();

// The system folder as the system names it, "<Windows>\System32": a program started there, of
// whichever bitness, finds itself in its own system folder. "" when unknown.
std::wstring SystemFolderAsNamed();

// From here on, a DLL loaded by name comes from the system folder only: never from the
// program's folder or the current folder, where anyone who can write a file could plant one.
void RestrictDllSearchToSystemFolder();

// While it lives, the file operations of this thread see the real System32 (and SysWOW64 under
// its own name) on 64-bit Windows; elsewhere it changes nothing. The redirection also governs
// the loading of DLLs: keep its scope to a few file calls.
class RealSystemFolderView {
public:
    RealSystemFolderView();
    ~RealSystemFolderView();
    RealSystemFolderView(const RealSystemFolderView&) = delete;
    RealSystemFolderView& operator=(const RealSystemFolderView&) = delete;

private:
    void* previous_ = nullptr;
    bool switchedOff_ = false;
};

}  // namespace sentrel
