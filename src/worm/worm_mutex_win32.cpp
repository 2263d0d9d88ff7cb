#include "worm/worm_mutex_win32.h"

#include "base/text_win32.h"

namespace sentrel {

namespace {

std::wstring MutexName() {
    return Utf8ToWide(kWormMutexName);
}

}  // namespace

// The worm creates the mutex owned and keeps it so while it runs; a hold like the program's own
// (Immunise, in this or another copy of the program) creates it unowned. So the mutex merely
// existing tells nothing: only an owner does.
bool Win32WormMutex::HeldElsewhere() {
    UniqueHandle opened;
    if (!hold_) {
        opened.Reset(OpenMutexW(SYNCHRONIZE, FALSE, MutexName().c_str()));
        if (!opened) {
            // A worm running as another user may keep the program from opening it: it is there.
            return GetLastError() == ERROR_ACCESS_DENIED;
        }
    }
    const HANDLE mutex = hold_ ? hold_.Get() : opened.Get();
    // Acquired at once, or left by an owner that ended: nobody's.
    const DWORD wait = WaitForSingleObject(mutex, 0);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
        ReleaseMutex(mutex);
        return false;
    }
    return wait == WAIT_TIMEOUT;
}

bool Win32WormMutex::Hold(bool on) {
    if (!on) {
        hold_.Reset();
        return true;
    }
    if (!hold_) {
        // Not owned: a worm that starts meanwhile finds the name taken and exits.
        hold_.Reset(CreateMutexW(nullptr, FALSE, MutexName().c_str()));
    }
    return hold_.Valid();
}

}  // namespace sentrel
