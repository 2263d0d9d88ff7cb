#pragma once
// GoogleTest's hand-over between threads on a Win32 event. The toolchain's win32 thread variant
// has no std::mutex or std::condition_variable, on which GoogleTest's own version is built.
// Included ahead of every source that sees GoogleTest (with GTEST_HAS_NOTIFICATION_).
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
