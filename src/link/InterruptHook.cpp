#include "link/InterruptHook.h"

#include "serial/AbortEvent.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <mutex>
#include <thread>

namespace {
std::atomic<AbortEvent*> runningAbort{nullptr};
std::atomic<int> handlersInside{0};

// Async-signal-safe: atomics and AbortEvent::Set only.
void onInterrupt(int) {
    const int savedErrno = errno;
    handlersInside.fetch_add(1);
    if (AbortEvent* event = runningAbort.load()) event->Set();
    handlersInside.fetch_sub(1);
    errno = savedErrno;
}
} // namespace

void installInterruptHook() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, nullptr);
    });
}

bool registerRunningAbort(AbortEvent* event) {
    AbortEvent* expected = nullptr;
    return runningAbort.compare_exchange_strong(expected, event);
}

void unregisterRunningAbort(AbortEvent* event) {
    AbortEvent* expected = event;
    runningAbort.compare_exchange_strong(expected, nullptr);
    while (handlersInside.load() != 0) std::this_thread::yield();
}
