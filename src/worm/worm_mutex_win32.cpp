#include "worm/worm_mutex_win32.h"

#include "base/text_win32.h"

namespace sentrel {

namespace {

std::wstring MutexName() {
    return Utf8ToWide(kWormMutexName);
}

}  // namespace

bool Win32WormMutex::HeldElsewhere() {
    if (!hold_) {
        // A worm running as another user may keep the program from opening it: it is there.
        const UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, MutexName().c_str()));
        return mutex.Valid() || GetLastError() == ERROR_ACCESS_DENIED;
    }
    // With the program's own handle open the mutex always exists; the worm creates it owned
    // and keeps it so while it runs, so only another owner tells.
    const DWORD wait = WaitForSingleObject(hold_.Get(), 0);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
        ReleaseMutex(hold_.Get());
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
