#pragma once
// GoogleTest's thread start signal for the -win32 thread model, whose runtime has no std::mutex
// or std::condition_variable. Only GoogleTest's own thread helpers use it; our tests start no
// threads.
#include <atomic>

namespace testing::internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
