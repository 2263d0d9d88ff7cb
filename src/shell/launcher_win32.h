#pragma once
// The launcher on a thread of its own: the window's thread only queues a command line; the
// launcher thread starts it, waits for it to end, closes its handles and posts the outcome
// back to a window of the thread that made the launcher.
#include <windows.h>

#include <map>
#include <string>

#include "base/handles_win32.h"
#include "shell/launcher.h"

namespace sentrel {

struct LauncherShared;

class HiddenLauncher : public Launcher {
public:
    // Throws std::runtime_error when its window or thread cannot be made.
    HiddenLauncher();
    // Drops what is still queued and leaves running programs alone: never waits for them.
    ~HiddenLauncher() override;
    HiddenLauncher(const HiddenLauncher&) = delete;
    HiddenLauncher& operator=(const HiddenLauncher&) = delete;

    void StartHidden(const std::string& program, const std::string& commandLine,
                     Ended ended) override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void DeliverOutcomes();

    LauncherShared* shared_ = nullptr;  // freed by whichever of the two threads lets go last
    UniqueWindow window_;
    unsigned nextJob_ = 0;
    std::map<unsigned, Ended> waiting_;  // by job, on the window's thread only
};

}  // namespace sentrel
