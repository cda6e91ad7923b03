#include "link/InterruptHook.h"

#include "serial/AbortEvent.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <mutex>
#include <thread>

namespace {
// The abort events of the transactions running now, one per slot: several
// printers may be worked on at once, each from its own thread.
constexpr int kMostRunning = 64;
std::atomic<AbortEvent*> running[kMostRunning]{};
std::mutex registering; // installing and restoring the dispositions
int registered = 0;     // events in the slots (under registering)
std::atomic<int> handlersInside{0};
std::atomic<int> taken{0};
std::atomic<int> termination{0}; // SIGTERM or SIGHUP taken during the running transactions
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction earlier[std::size(kSignals)]{}; // dispositions before the first running transaction began

// Sets the abort event of every running transaction; false when none runs.
// Async-signal-safe: atomics and AbortEvent::Set only.
bool setEveryRunningAbort() {
    bool any = false;
    for (std::atomic<AbortEvent*>& slot : running)
        if (AbortEvent* event = slot.load()) {
            event->set();
            any = true;
        }
    return any;
}

// Async-signal-safe: atomics and AbortEvent::Set only.
void onInterrupt(int signal) {
    const int savedErrno = errno;
    handlersInside.fetch_add(1);
    const bool any = setEveryRunningAbort();
    if (any) {
        taken.fetch_add(1);
        if (signal != SIGINT) termination.store(signal);
    }
    handlersInside.fetch_sub(1);
    errno = savedErrno;
}
} // namespace

bool registerRunningAbort(AbortEvent* event) {
    std::lock_guard<std::mutex> lock(registering);
    std::atomic<AbortEvent*>* free = nullptr;
    for (std::atomic<AbortEvent*>& slot : running) {
        if (slot.load() == event) return false;
        if (!free && slot.load() == nullptr) free = &slot;
    }
    if (!free) return false;
    if (registered++ == 0) {
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        termination.store(0);
        for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &earlier[i]);
    }
    free->store(event);
    return true;
}

void unregisterRunningAbort(AbortEvent* event) {
    std::lock_guard<std::mutex> lock(registering);
    for (std::atomic<AbortEvent*>& slot : running) {
        AbortEvent* expected = event;
        if (!slot.compare_exchange_strong(expected, nullptr)) continue;
        if (--registered == 0)
            for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &earlier[i], nullptr);
        while (handlersInside.load() != 0) std::this_thread::yield();
        return;
    }
}

bool abortRunningTransaction() {
    // Counted as a handler inside, so that the transaction's end waits before freeing the event.
    handlersInside.fetch_add(1);
    const bool any = setEveryRunningAbort();
    handlersInside.fetch_sub(1);
    return any;
}

int terminationTaken() {
    return termination.load();
}

int interruptsTaken() {
    return taken.load();
}
