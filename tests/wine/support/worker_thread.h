#pragma once
// A system thread that runs one function and is waited for when the object goes (the
// toolchain's win32 thread variant has no std::thread).
#include <windows.h>

#include <functional>
#include <utility>

#include "base/handles_win32.h"

namespace sentrel::test {

class WorkerThread {
public:
    explicit WorkerThread(std::function<void()> work)
        : work_(std::move(work)), thread_(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}
    ~WorkerThread() { Join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void Join() {
        if (thread_) {
            WaitForSingleObject(thread_.Get(), INFINITE);
            thread_.Reset();
        }
    }

private:
    static DWORD WINAPI Run(void* self) {
        static_cast<WorkerThread*>(self)->work_();
        return 0;
    }

    std::function<void()> work_;
    UniqueHandle thread_;
};

}  // namespace sentrel::test
