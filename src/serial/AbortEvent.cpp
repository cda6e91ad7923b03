#include "serial/AbortEvent.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

AbortEvent::AbortEvent() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

AbortEvent::~AbortEvent() {
    if (fd_ >= 0) ::close(fd_);
}

void AbortEvent::set() noexcept {
    if (set_.exchange(true, std::memory_order_acq_rel)) return;
    if (fd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
    }
}

void AbortEvent::reset() noexcept {
    if (!set_.exchange(false, std::memory_order_acq_rel)) return;
    if (fd_ >= 0) {
        std::uint64_t value = 0;
        [[maybe_unused]] const ssize_t n = ::read(fd_, &value, sizeof value);
    }
}
