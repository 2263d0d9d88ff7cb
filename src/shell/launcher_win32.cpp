#include "shell/launcher_win32.h"

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "base/system_folder_win32.h"
#include "base/text_win32.h"
#include "ui/window_class_win32.h"

namespace sentrel {

namespace {

constexpr UINT kMsgLaunchesEnded = WM_APP + 1;
constexpr wchar_t kLauncherClass[] = L"SentrelLauncher";
// One wait covers the wake-up event and every program still running.
constexpr std::size_t kMaxRunning = MAXIMUM_WAIT_OBJECTS - 1;
// Starting programs may take about a quarter of one processor: after each start the launcher
// rests three times as long as the start cost.
constexpr DWORD kRestPerCost = 3;
// A program that runs longer than this (waiting on the network, say) has cost at most this.
constexpr DWORD kLongestCostMs = 250;

class ScopedLock {
public:
    explicit ScopedLock(CRITICAL_SECTION& section) : section_(section) {
        EnterCriticalSection(&section_);
    }
    ~ScopedLock() { LeaveCriticalSection(&section_); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

struct LauncherShared {
    struct Job {
        unsigned id = 0;
        std::wstring application;
        std::wstring commandLine;
    };
    struct Finished {
        unsigned id = 0;
        LaunchOutcome outcome;
    };

    explicit LauncherShared(HWND notifyWindow) : window(notifyWindow) {
        InitializeCriticalSection(&lock);
    }
    ~LauncherShared() { DeleteCriticalSection(&lock); }
    LauncherShared(const LauncherShared&) = delete;
    LauncherShared& operator=(const LauncherShared&) = delete;

    CRITICAL_SECTION lock;
    const HWND window;
    const UniqueHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    // Guarded by lock:
    std::deque<Job> queued;
    std::vector<LauncherShared::Finished> finished;
    bool posted = false;    // a message announcing `finished` is on its way to the window
    bool stopping = false;  // the launcher is gone: start nothing more, report nothing more
    LONG owners = 2;        // the launcher and its thread
};

namespace {

void Release(LauncherShared* shared) {
    if (InterlockedDecrement(&shared->owners) == 0) {
        delete shared;
    }
}

bool Stopping(LauncherShared& shared) {
    ScopedLock lock(shared.lock);
    return shared.stopping;
}

void Report(LauncherShared& shared, unsigned id, LaunchOutcome outcome) {
    ScopedLock lock(shared.lock);
    if (shared.stopping) {
        return;
    }
    shared.finished.push_back({id, std::move(outcome)});
    if (!shared.posted) {
        shared.posted = PostMessageW(shared.window, kMsgLaunchesEnded, 0, 0) != FALSE;
    }
}

bool TakeJob(LauncherShared& shared, LauncherShared::Job& job) {
    ScopedLock lock(shared.lock);
    if (shared.stopping || shared.queued.empty()) {
        return false;
    }
    job = std::move(shared.queued.front());
    shared.queued.pop_front();
    return true;
}

struct Running {
    unsigned id = 0;
    UniqueHandle process;
};

void Start(LauncherShared& shared, LauncherShared::Job& job, std::vector<Running>& running) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // The program runs in the system folder too, so that it finds nothing planted in ours. The
    // name Sysnative exists only for 32-bit programs: the folder is given by its own name.
    const std::wstring folder = SystemFolderAsNamed();
    // CreateProcessW may write into the command line: the job's own copy is given. The program
    // gets a console nobody sees, which the console programs it starts in turn share (net.exe
    // starts net1.exe), and yields to the program that started it.
    if (!CreateProcessW(job.application.c_str(), job.commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW | BELOW_NORMAL_PRIORITY_CLASS, nullptr, folder.c_str(),
                        &startup, &process)) {
        Report(shared, job.id, {false, SystemErrorDescription(GetLastError()), 0});
        return;
    }
    UniqueHandle thread(process.hThread);
    running.push_back({job.id, UniqueHandle(process.hProcess)});
}

// Reports the programs that have ended; true when `measured` is one of them.
bool ReportEnded(LauncherShared& shared, std::vector<Running>& running, unsigned measured) {
    bool measuredEnded = false;
    std::erase_if(running, [&](const Running& program) {
        if (WaitForSingleObject(program.process.Get(), 0) != WAIT_OBJECT_0) {
            return false;
        }
        DWORD exitCode = 0;
        GetExitCodeProcess(program.process.Get(), &exitCode);
        Report(shared, program.id, {true, {}, exitCode});
        measuredEnded = measuredEnded || program.id == measured;
        return true;
    });
    return measuredEnded;
}

// Starting a program costs the whole machine, the listener included, and far more than the
// call that starts it: the system loads the program and its libraries, and the program runs.
// So a start's cost is the time from the call until the program has ended (or kLongestCostMs),
// and only then, after a rest of kRestPerCost times that, does the next start come. Replies
// that wait too long are skipped by the cap on pending replies.
void RunLaunches(LauncherShared& shared) {
    std::vector<Running> running;
    std::vector<HANDLE> waitFor;
    unsigned measured = 0;  // the job whose start is being paid for; 0 when none
    // The tick count wraps after 49 days: only differences are compared.
    DWORD startedAt = 0;
    DWORD restFrom = 0;
    DWORD rest = 0;
    const auto restAfter = [&](DWORD cost) {
        restFrom = GetTickCount();
        rest = kRestPerCost * std::min(cost, kLongestCostMs);
        measured = 0;
    };
    for (;;) {
        if (measured != 0 && GetTickCount() - startedAt >= kLongestCostMs) {
            restAfter(kLongestCostMs);
        }
        const DWORD resting = GetTickCount() - restFrom;
        LauncherShared::Job job;
        if (measured == 0 && resting >= rest && running.size() < kMaxRunning &&
            TakeJob(shared, job)) {
            startedAt = GetTickCount();
            const std::size_t before = running.size();
            Start(shared, job, running);
            if (running.size() > before) {
                measured = job.id;
            } else {
                restAfter(GetTickCount() - startedAt);
            }
            continue;
        }
        DWORD timeout = INFINITE;
        if (measured != 0) {
            timeout = kLongestCostMs - std::min(kLongestCostMs, GetTickCount() - startedAt);
        } else if (resting < rest) {
            timeout = rest - resting;
        }
        waitFor.assign(1, shared.wake.Get());
        for (const Running& program : running) {
            waitFor.push_back(program.process.Get());
        }
        WaitForMultipleObjects(static_cast<DWORD>(waitFor.size()), waitFor.data(), FALSE, timeout);
        if (Stopping(shared)) {
            return;  // programs still running are left alone; their handles close here
        }
        if (ReportEnded(shared, running, measured)) {
            restAfter(GetTickCount() - startedAt);
        }
    }
}

DWORD WINAPI LauncherThread(void* parameter) {
    // Probes are counted before replies are started.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    auto* shared = static_cast<LauncherShared*>(parameter);
    RunLaunches(*shared);
    Release(shared);
    return 0;
}

}  // namespace

HiddenLauncher::HiddenLauncher() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, kLauncherClass, &WindowProcFor<HiddenLauncher>);
    window_.Reset(CreateWindowExW(0, kLauncherClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, this));
    if (!window_) {
        throw std::runtime_error("The launcher's window could not be made: " +
                                 SystemErrorDescription(GetLastError()));
    }
    shared_ = new LauncherShared(window_.Get());
    const HANDLE thread =
        shared_->wake ? CreateThread(nullptr, 0, &LauncherThread, shared_, 0, nullptr) : nullptr;
    if (thread == nullptr) {
        const DWORD error = GetLastError();
        delete shared_;
        throw std::runtime_error("The launcher's thread could not be started: " +
                                 SystemErrorDescription(error));
    }
    CloseHandle(thread);
}

HiddenLauncher::~HiddenLauncher() {
    {
        ScopedLock lock(shared_->lock);
        shared_->stopping = true;
        shared_->queued.clear();
    }
    SetEvent(shared_->wake.Get());
    Release(shared_);
    DetachWindowObject(window_.Get());
}

void HiddenLauncher::StartHidden(const std::string& program, const std::string& commandLine,
                                 Ended ended) {
    const unsigned id = ++nextJob_;
    waiting_.emplace(id, std::move(ended));
    {
        ScopedLock lock(shared_->lock);
        shared_->queued.push_back(
            {id, SystemFolderPath() + L"\\" + Utf8ToWide(program), Utf8ToWide(commandLine)});
    }
    SetEvent(shared_->wake.Get());
}

LRESULT HiddenLauncher::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgLaunchesEnded) {
        DeliverOutcomes();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void HiddenLauncher::DeliverOutcomes() {
    std::vector<LauncherShared::Finished> finished;
    {
        ScopedLock lock(shared_->lock);
        finished.swap(shared_->finished);
        shared_->posted = false;
    }
    for (LauncherShared::Finished& job : finished) {
        const auto found = waiting_.find(job.id);
        if (found == waiting_.end()) {
            continue;
        }
        // Taken out first: a handler may run a message loop that delivers further outcomes.
        const Ended ended = std::move(found->second);
        waiting_.erase(found);
        if (ended) {
            ended(job.outcome);
        }
    }
}

}  // namespace sentrel
