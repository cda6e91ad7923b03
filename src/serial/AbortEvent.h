#pragma once
// A manual-reset event: clear when made, set until Reset. Set may be called
// from any thread and from a signal handler (an atomic flag and an eventfd
// write, both async-signal-safe). Waiters poll handle() for readability.

#include <atomic>

class AbortEvent {
public:
    AbortEvent();
    ~AbortEvent();
    AbortEvent(const AbortEvent&) = delete;
    AbortEvent& operator=(const AbortEvent&) = delete;

    void set() noexcept;
    void reset() noexcept;
    bool isSet() const noexcept { return set_.load(std::memory_order_acquire); }
    // Readable while the event is set; -1 if the system gave no descriptor,
    // in which case waiters fall back to looking at IsSet between short polls.
    int handle() const noexcept { return fd_; }

private:
    std::atomic<bool> set_{false};
    int fd_ = -1;
};
