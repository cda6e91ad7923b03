#include "link/InterruptHook.h"

#include "serial/AbortEvent.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <thread>

namespace {
std::atomic<AbortEvent*> runningAbort{nullptr};
std::atomic<int> handlersInside{0};
std::atomic<int> taken{0};
struct sigaction earlier {}; // the disposition in place before the running transaction began

// Async-signal-safe: atomics and AbortEvent::Set only.
void onInterrupt(int) {
    const int savedErrno = errno;
    handlersInside.fetch_add(1);
    if (AbortEvent* event = runningAbort.load()) {
        event->Set();
        taken.fetch_add(1);
    }
    handlersInside.fetch_sub(1);
    errno = savedErrno;
}
} // namespace

bool registerRunningAbort(AbortEvent* event) {
    AbortEvent* expected = nullptr;
    if (!runningAbort.compare_exchange_strong(expected, event)) return false;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &earlier);
    return true;
}

void unregisterRunningAbort(AbortEvent* event) {
    if (runningAbort.load() != event) return;
    sigaction(SIGINT, &earlier, nullptr);
    AbortEvent* expected = event;
    runningAbort.compare_exchange_strong(expected, nullptr);
    while (handlersInside.load() != 0) std::this_thread::yield();
}

int interruptsTaken() {
    return taken.load();
}
