#pragma once
// The named mutex by which a running worm keeps a second copy of itself from starting.
namespace sentrel {

inline constexpr const char* kWormMutexName = "BILLY";

class WormMutex {
public:
    virtual ~WormMutex() = default;
    // True when another program holds the mutex; the program's own hold does not count.
    virtual bool HeldElsewhere() = 0;
    // Takes or lets go of the program's own hold; false when it could not be taken.
    virtual bool Hold(bool on) = 0;
};

}  // namespace sentrel
