#include "link/TransactionLog.h"

#include "common/AppendLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>

namespace {
thread_local const TransactionLabel* currentLabel = nullptr;
std::atomic<bool> failureReported{false};
} // namespace

QString transactionLogPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/daviduv/link.log");
}

QByteArray transactionLogLine(const TransactionRecord& r) {
    const QDateTime started = r.started.toOffsetFromUtc(r.started.offsetFromUtc());
    QJsonObject line{
        {"time", started.toString(Qt::ISODateWithMs)},
        {"program", r.program},
        {"command", r.command},
        {"port", r.port},
        {"speed", r.speed},
        {"sha256", QString::fromLatin1(r.sha256)},
        {"bytes", r.bytes},
        {"frames", r.frames},
        {"tries", r.tries},
        {"result", r.result},
    };
    if (r.moBan) line.insert("template", *r.moBan);
    if (!r.file.isEmpty()) line.insert("file", r.file);
    if (!r.error.isEmpty()) line.insert("error", r.error);
    if (!r.replacements.isEmpty()) line.insert("set", QJsonArray::fromStringList(r.replacements));
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

void recordTransaction(const TransactionRecord& record) noexcept {
    try {
        const QString failure = appendWholeLine(transactionLogPath(), transactionLogLine(record));
        if (!failure.isEmpty() && !failureReported.exchange(true))
            qWarning("the transaction log is not kept: %s", qPrintable(failure));
    } catch (...) {
        // Logging must never end the work it records.
    }
}

void recordRefusedSend(const QString& port, int speed, const QString& file, const QString& reason,
                       const QStringList& replacements) noexcept {
    try {
        TransactionRecord r;
        r.started = QDateTime::currentDateTime();
        r.program = QCoreApplication::applicationName();
        r.command = QStringLiteral("send");
        r.port = port;
        r.speed = speed;
        r.file = file;
        r.result = kResultRefused;
        r.error = reason;
        r.replacements = replacements;
        recordTransaction(r);
    } catch (...) {
    }
}

TransactionLabel::TransactionLabel(const QString& command, const QString& file, const QStringList& replacements)
    : command(command), file(file), replacements(replacements), outer_(currentLabel) {
    currentLabel = this;
}

TransactionLabel::~TransactionLabel() {
    currentLabel = outer_;
}

const TransactionLabel* TransactionLabel::current() {
    return currentLabel;
}
