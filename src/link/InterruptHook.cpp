#include "link/InterruptHook.h"

#include "serial/AbortEvent.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <thread>

namespace {
std::atomic<AbortEvent*> runningAbort{nullptr};
std::atomic<int> handlersInside{0};
std::atomic<int> taken{0};
std::atomic<int> termination{0}; // SIGTERM or SIGHUP taken during the running transaction
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction earlier[std::size(kSignals)]{}; // dispositions before the running transaction began

// Async-signal-safe: atomics and AbortEvent::Set only.
void onInterrupt(int signal) {
    const int savedErrno = errno;
    handlersInside.fetch_add(1);
    if (AbortEvent* event = runningAbort.load()) {
        event->Set();
        taken.fetch_add(1);
        if (signal != SIGINT) termination.store(signal);
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
    termination.store(0);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &earlier[i]);
    return true;
}

void unregisterRunningAbort(AbortEvent* event) {
    if (runningAbort.load() != event) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &earlier[i], nullptr);
    AbortEvent* expected = event;
    runningAbort.compare_exchange_strong(expected, nullptr);
    while (handlersInside.load() != 0) std::this_thread::yield();
}

bool abortRunningTransaction() {
    // Counted as a handler inside, so that the transaction's end waits before freeing the event.
    handlersInside.fetch_add(1);
    AbortEvent* event = runningAbort.load();
    if (event) event->Set();
    handlersInside.fetch_sub(1);
    return event != nullptr;
}

int terminationTaken() {
    return termination.load();
}

int interruptsTaken() {
    return taken.load();
}
