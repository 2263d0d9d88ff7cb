#pragma once
// GoogleTest's place for a platform's own pieces, ahead of its own copy of this header.
// Its hand-over between threads, here on a Win32 event: the toolchain's win32 thread variant has
// no std::mutex or std::condition_variable, on which GoogleTest's own version is built.
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

private:
    void* event_;
};

}  // namespace testing::internal
