#include "serial/LineIo.h"

#include "serial/AbortEvent.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
// Without an eventfd the abort flag is looked at every few milliseconds.
constexpr int kFlagPollMs = 5;
// How often a draining output queue is looked at.
constexpr int kDrainPollMs = 2;

int remainingMs(const QDeadlineTimer& deadline) {
    return int(std::max<qint64>(0, deadline.remainingTime()));
}
} // namespace

LineWait waitForInput(int fd, const AbortEvent* abort, int timeoutMs, int& osError) {
    osError = 0;
    QDeadlineTimer deadline(std::max(0, timeoutMs));
    const int abortFd = abort ? abort->handle() : -1;
    for (;;) {
        if (abort && abort->isSet()) return LineWait::Aborted;
        pollfd fds[2] = {{fd, POLLIN, 0}, {abortFd, POLLIN, 0}};
        const nfds_t count = abortFd >= 0 ? 2 : 1;
        int wait = remainingMs(deadline);
        if (abort && abortFd < 0) wait = std::min(wait, kFlagPollMs);
        const int n = ::poll(fds, count, wait);
        if (n < 0) {
            if (errno == EINTR) continue;
            osError = errno;
            return LineWait::Failed;
        }
        if (abort && abort->isSet()) return LineWait::Aborted;
        // A hung-up line also reads as readable (end of file): look first.
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            osError = EIO;
            return LineWait::Failed;
        }
        if (fds[0].revents & POLLIN) return LineWait::Data;
        if (deadline.hasExpired()) return LineWait::TimedOut;
    }
}

int drainInput(int fd, QByteArray& into) {
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            into.append(buffer, n);
            continue;
        }
        if (n == 0) return 0; // nothing more queued (raw mode, no minimum)
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return errno;
    }
}

int writeWithDeadline(int fd, const QByteArray& data, const QDeadlineTimer& deadline, qsizetype& written) {
    written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return errno;
        if (deadline.hasExpired()) return 0;
        pollfd out{fd, POLLOUT, 0};
        if (::poll(&out, 1, remainingMs(deadline)) < 0 && errno != EINTR) return errno;
        if (out.revents & (POLLHUP | POLLERR | POLLNVAL)) return EIO;
    }
    return 0;
}

int waitUntilSent(int fd, const QDeadlineTimer& lineFree, const QDeadlineTimer& deadline, int& unsent) {
    unsent = 0;
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (queued == 0 && lineFree.hasExpired()) return 0;
        if (deadline.hasExpired()) {
            if (queued > 0 && ::tcflush(fd, TCOFLUSH) != 0) return errno;
            unsent = queued;
            return 0;
        }
        const int wait = queued > 0 ? kDrainPollMs : int(std::max<qint64>(1, lineFree.remainingTime()));
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(wait, remainingMs(deadline))));
    }
}
