#pragma once
// The transaction log: every transaction with the printer, from any of the
// programs, appends one JSON line to $XDG_STATE_HOME/daviduv/link.log
// (~/.local/state/daviduv/link.log when the variable is unset or empty).
// A log that cannot be written never stops the work; the first failure of a
// process is reported as a warning, later ones are silent.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

inline const QString kResultAcknowledged = QStringLiteral("acknowledged");
inline const QString kResultFailed = QStringLiteral("failed");           // not acknowledged after three tries
inline const QString kResultRefused = QStringLiteral("refused");         // nothing sent: the work was refused
inline const QString kResultPortError = QStringLiteral("port error");    // the port failed; error holds its text
inline const QString kResultInterrupted = QStringLiteral("interrupted"); // Ctrl+C, SIGTERM or SIGHUP ended the tries
inline const QString kResultNothingSent =
    QStringLiteral("nothing sent"); // the port opened, but there was no frame to send

struct TransactionRecord {
    QDateTime started;
    QString program; // the application name
    QString command; // send, clock, erase, query, glyphs, or what a TransactionLabel says
    QString port;
    int speed = 0;
    std::optional<int> moBan; // the template number, where there is one
    QString file;             // the template file, where there is one
    QByteArray sha256;        // hex digest of the frames, each counted once however often it was tried
    qint64 bytes = 0;         // bytes of those frames
    int frames = 0;           // exchanges begun
    int tries = 0;            // frames written, retries included
    QString result;
    QString error;
    QStringList replacements; // SECTION.KEY=VALUE given for a send instead of the file's values
};

QString transactionLogPath();
// The record as one line of compact JSON ending in '\n'.
QByteArray transactionLogLine(const TransactionRecord& record);
// Appends the record; never throws.
void recordTransaction(const TransactionRecord& record) noexcept;
// A send refused before anything went out (the reason as shown to the operator).
void recordRefusedSend(const QString& port, int speed, const QString& file, const QString& reason,
                       const QStringList& replacements = {}) noexcept;

// While one lives, the transactions of the calling thread are logged under its
// command and file instead of the names their frames suggest ("search" for the
// queries of a port search, the .spt file of a send).
class TransactionLabel {
public:
    TransactionLabel(const QString& command, const QString& file = {}, const QStringList& replacements = {});
    ~TransactionLabel();
    TransactionLabel(const TransactionLabel&) = delete;
    TransactionLabel& operator=(const TransactionLabel&) = delete;

    static const TransactionLabel* current();
    const QString command;
    const QString file;
    const QStringList replacements;

private:
    const TransactionLabel* outer_;
};
