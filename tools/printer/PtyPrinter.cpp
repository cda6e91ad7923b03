#include "printer/PtyPrinter.h"

#include <QDateTime>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int kGiveUpPartialMs = 500; // an incomplete frame is dropped after this much quiet
constexpr int kIdlePollMs = 200;
constexpr int kMaxRead = 4096;
// At a limited line rate, bytes are taken in portions of about this long a time.
constexpr int kLinePortionMs = 10;
} // namespace

PtyPrinter::PtyPrinter(const PrinterBehaviour& behaviour, PrinterState::HostClock hostClock)
    : behaviour_(behaviour), state_(std::move(hostClock)) {
    clock_.start();
}

PtyPrinter::~PtyPrinter() {
    if (server_) return; // the socket objects close their own descriptors
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
}

bool PtyPrinter::open() {
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw); // nothing echoed or translated before the host sets the line up
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        error_ = QStringLiteral("cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    return true;
}

bool PtyPrinter::listen(const QString& address) {
    const qsizetype colon = address.lastIndexOf(u':');
    bool portOk = false;
    const uint port = address.mid(colon + 1).toUInt(&portOk);
    QString host = address.left(std::max<qsizetype>(0, colon));
    if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
    const QHostAddress hostAddress(host);
    if (colon < 0 || !portOk || port > 65535 || hostAddress.isNull()) {
        error_ = QStringLiteral("--listen needs HOST:PORT with an IP address, not '%1'").arg(address);
        return false;
    }
    server_ = std::make_unique<QTcpServer>();
    if (!server_->listen(hostAddress, quint16(port))) {
        error_ = QStringLiteral("cannot listen on %1: %2").arg(address, server_->errorString());
        return false;
    }
    const QString shown = hostAddress.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + host + u']' : host;
    path_ = QStringLiteral("tcp://%1:%2").arg(shown).arg(server_->serverPort());
    return true;
}

void PtyPrinter::acceptConnection() {
    if (!server_->waitForNewConnection(0)) return;
    client_.reset(server_->nextPendingConnection());
    if (!client_) return;
    client_->setParent(nullptr);
    master_ = int(client_->socketDescriptor());
    log(QStringLiteral("connect"), {}, client_->peerAddress().toString());
}

void PtyPrinter::dropConnection() {
    log(QStringLiteral("disconnect"), {});
    client_->abort();
    client_.reset();
    master_ = -1;
    reader_.dropPartial();
    pending_.clear(); // answers due on a line that is gone are never heard
}

bool PtyPrinter::setLog(const QString& path) {
    log_.setFileName(path);
    return log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

void PtyPrinter::log(const QString& direction, const QByteArray& bytes, const QString& note) {
    if (!log_.isOpen()) return;
    QString line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + direction;
    if (!bytes.isEmpty()) line += QLatin1Char(' ') + QString::fromLatin1(bytes.toHex(' ').toUpper());
    if (!note.isEmpty()) line += QStringLiteral(" | ") + note;
    log_.write((line + QLatin1Char('\n')).toUtf8());
    log_.flush();
}

void PtyPrinter::handleFrame(const ReadFrame& frame) {
    if (!frame.valid) {
        log(QStringLiteral("bad"), frame.bytes, frame.problem);
        return;
    }
    log(QStringLiteral("rx"), frame.bytes, state_.apply(frame));
    const QList<ReplyPiece> pieces =
        leftUnanswered(behaviour_, frame) ? QList<ReplyPiece>{} : planReply(behaviour_, answered_);
    if (!pieces.isEmpty()) ++answered_;
    const qint64 now = clock_.elapsed();
    for (const ReplyPiece& p : pieces) {
        queueReply(now + p.atMs, p.bytes);
        if (repeatAckMs_ > 0) queueReply(now + p.atMs + repeatAckMs_, p.bytes);
    }
    actOnEvents();
}

void PtyPrinter::queueReply(qint64 dueMs, const QByteArray& bytes) {
    // Kept in order of due time; a repeat may be due after later frames' replies.
    auto at = pending_.end();
    while (at != pending_.begin() && (at - 1)->dueMs > dueMs) --at;
    pending_.insert(at, {dueMs, bytes});
}

void PtyPrinter::actOnEvents() {
    for (const PrinterEvent& e : state_.takeEvents()) {
        if (output_ && e.kind == PrinterEvent::GlyphsReady) {
            log(QStringLiteral("out"), {}, output_->writeGlyphs(state_.glyphStore(), e.templateNumber));
            continue;
        }
        const StoredMessage* message = state_.message(e.templateNumber);
        if (!output_ || !message) continue;
        if (e.kind == PrinterEvent::BackgroundReady) log(QStringLiteral("out"), {}, output_->writeBackground(*message));
        else log(QStringLiteral("print"), {}, output_->writeMessage(*message, state_.now(), &state_.glyphStore()));
    }
}

int PtyPrinter::hostLineSpeed() const {
    // The two ends of a pseudo-terminal share one set of line settings, so
    // the master sees the speed the host gave the slave.
    termios line{};
    if (::tcgetattr(master_, &line) != 0) return 0;
    switch (cfgetospeed(&line)) {
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
    }
}

void PtyPrinter::handleInput(const QByteArray& bytes) {
    if (lineSpeed_ != 0 && hostLineSpeed() != lineSpeed_) {
        log(QStringLiteral("noise"), bytes, QStringLiteral("line at %1 bit/s").arg(hostLineSpeed()));
        return;
    }
    lastInputMs_ = clock_.elapsed();
    reader_.feed(bytes);
    for (const ReadFrame& f : reader_.takeFrames()) handleFrame(f);
}

void PtyPrinter::writeDue() {
    const qint64 now = clock_.elapsed();
    if (babbleMs_ > 0 && now >= nextBabbleMs_) {
        nextBabbleMs_ = now + babbleMs_;
        queueReply(now, QByteArray(1, '\x55'));
    }
    while (!pending_.isEmpty() && pending_.first().dueMs <= now) {
        const QByteArray bytes = pending_.takeFirst().bytes;
        if (::write(master_, bytes.constData(), size_t(bytes.size())) == bytes.size()) log(QStringLiteral("tx"), bytes);
        else log(QStringLiteral("err"), bytes, QStringLiteral("write failed"));
    }
    if (reader_.hasPartial() && now - lastInputMs_ >= kGiveUpPartialMs) handleFrame(reader_.dropPartial());
}

int PtyPrinter::readAllowance() const {
    if (behaviour_.lineRate <= 0) return kMaxRead;
    if (clock_.nsecsElapsed() < lineBusyUntilNs_) return 0;
    return int(std::clamp<qint64>(qint64(behaviour_.lineRate) * kLinePortionMs / 1000, 1, kMaxRead));
}

void PtyPrinter::lineCarried(qsizetype bytes) {
    if (behaviour_.lineRate <= 0) return;
    // A late wake-up does not slow the line down: the next portion is due on
    // the line's own schedule, unless the line had gone idle meanwhile.
    const qint64 now = clock_.nsecsElapsed();
    const qint64 from = now - lineBusyUntilNs_ > kLinePortionMs * 1000000LL ? now : lineBusyUntilNs_;
    lineBusyUntilNs_ = from + bytes * 1000000000LL / behaviour_.lineRate;
}

int PtyPrinter::nextTimeoutMs() const {
    qint64 wait = kIdlePollMs;
    const qint64 now = clock_.elapsed();
    for (const Pending& p : pending_) wait = std::min(wait, p.dueMs - now);
    if (reader_.hasPartial()) wait = std::min(wait, lastInputMs_ + kGiveUpPartialMs - now);
    if (babbleMs_ > 0) wait = std::min(wait, nextBabbleMs_ - now);
    if (readAllowance() == 0) wait = std::min(wait, (lineBusyUntilNs_ - clock_.nsecsElapsed()) / 1000000 + 1);
    return int(std::max<qint64>(0, wait));
}

int PtyPrinter::run(const volatile std::sig_atomic_t& stop) {
    while (!stop) {
        if (server_ && master_ < 0) {
            // No line until a host connects.
            pollfd l{int(server_->socketDescriptor()), POLLIN, 0};
            if (::poll(&l, 1, kIdlePollMs) < 0 && errno != EINTR) return 1;
            if (l.revents & POLLIN) acceptConnection();
            continue;
        }
        const int allowance = readAllowance();
        // While the line is still carrying the last portion, nothing more is read.
        pollfd p{master_, short(allowance > 0 ? POLLIN : 0), 0};
        const int n = ::poll(&p, 1, nextTimeoutMs());
        if (n < 0 && errno != EINTR) return 1;
        const bool hungUp = server_ && (p.revents & (POLLHUP | POLLERR));
        if (n > 0 && ((p.revents & POLLIN) || hungUp)) {
            char buffer[kMaxRead];
            const ssize_t got = ::read(master_, buffer, size_t(std::max(1, allowance)));
            if (got > 0) {
                lineCarried(got);
                handleInput(QByteArray(buffer, got));
            } else if (server_ && (got == 0 || (errno != EINTR && errno != EAGAIN))) {
                dropConnection(); // the host hung up: wait for the next one
                continue;
            }
        }
        writeDue();
    }
    return 0;
}
