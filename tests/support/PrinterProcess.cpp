#include "support/PrinterProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <csignal>
#include <stdexcept>

PrinterProcess::PrinterProcess(const QStringList& options) {
    process_.setProgram(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-printer"));
    process_.setArguments(options + QStringList{QStringLiteral("--log"), dir_.filePath(QStringLiteral("frames.log"))});
    process_.start();
    if (!process_.waitForStarted(5000)) throw std::runtime_error("daviduv-printer did not start");
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(5000)) throw std::runtime_error("daviduv-printer printed no device");
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

PrinterProcess::~PrinterProcess() {
    kill();
}

void PrinterProcess::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

void PrinterProcess::terminate() {
    process_.terminate();
    process_.waitForFinished(5000);
}

void PrinterProcess::unplug() {
    if (const qint64 pid = process_.processId(); pid > 0) ::kill(pid_t(pid), SIGKILL);
}

QStringList PrinterProcess::logLines() const {
    QFile log(dir_.filePath(QStringLiteral("frames.log")));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList PrinterProcess::received() const {
    QStringList frames;
    for (const QString& line : logLines()) {
        // "<time> rx <hex> | <note>"
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() < 3 || parts[1] != QLatin1String("rx")) continue;
        frames << line.section(QLatin1Char(' '), 2).section(QStringLiteral(" |"), 0, 0);
    }
    return frames;
}

QStringList PrinterProcess::receivedAtLeast(int count) const {
    QDeadlineTimer deadline(2000);
    QStringList frames = received();
    while (frames.size() < count && !deadline.hasExpired()) {
        QThread::msleep(20);
        frames = received();
    }
    return frames;
}
