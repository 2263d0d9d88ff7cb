#pragma once
// The worm's named mutex in the session's namespace, and the program's own hold on it.
#include "base/handles_win32.h"
#include "worm/worm_mutex.h"

namespace sentrel {

class Win32WormMutex : public WormMutex {
public:
    bool HeldElsewhere() override;
    bool Hold(bool on) override;

private:
    UniqueHandle hold_;
};

}  // namespace sentrel
