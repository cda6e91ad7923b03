#include "shell/RecoveryCopy.h"

#include "common/AtomicWrite.h"

#include <QDir>
#include <QFile>

namespace {
QString templatePath() {
    return RecoveryCopy::folder() + QStringLiteral("/template.spt");
}
QString originPath() {
    return RecoveryCopy::folder() + QStringLiteral("/origin.txt");
}
} // namespace

RecoveryCopy::RecoveryCopy(std::function<QByteArray()> templateBytes, QObject* parent)
    : QObject(parent), templateBytes_(std::move(templateBytes)) {
    setObjectName(QStringLiteral("RecoveryCopy"));
    timer_.setSingleShot(true);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!pending_) return;
        pending_ = false;
        writeNow();
    });
}

QString RecoveryCopy::folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/daviduv/recovery");
}

std::optional<LeftRecoveryCopy> RecoveryCopy::left() {
    QFile copy(templatePath());
    if (!copy.open(QIODevice::ReadOnly)) return std::nullopt;
    LeftRecoveryCopy found{copy.readAll(), {}};
    QFile origin(originPath());
    if (origin.open(QIODevice::ReadOnly)) found.origin = QString::fromUtf8(origin.readAll());
    return found;
}

void RecoveryCopy::noteStep() {
    if (timer_.isActive()) {
        pending_ = true;
        return;
    }
    writeNow();
}

QString RecoveryCopy::writeNow() {
    pending_ = false;
    timer_.start(); // the next step waits for the interval
    QString reason;
    if (!QDir().mkpath(folder())) reason = QStringLiteral("cannot create %1").arg(folder());
    if (reason.isEmpty()) reason = writeFileAtomically(originPath(), origin_.toUtf8());
    if (reason.isEmpty()) reason = writeFileAtomically(templatePath(), templateBytes_());
    if (!reason.isEmpty()) emit writeFailed(reason);
    return reason;
}

void RecoveryCopy::remove() {
    timer_.stop();
    pending_ = false;
    QFile::remove(templatePath());
    QFile::remove(originPath());
}
