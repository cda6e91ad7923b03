#pragma once
// Runs daviduv-printer for a test: starts it with the given options, reads
// the device path from its first line, and reads its frame log.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class PrinterProcess {
public:
    explicit PrinterProcess(const QStringList& options = {});
    ~PrinterProcess();
    QString devicePath() const { return path_; }
    // Hex of every frame the printer accepted ("rx" lines), in order.
    QStringList received() const;
    // received() once it holds at least count frames, or after two seconds.
    QStringList receivedAtLeast(int count) const;
    // Every log line.
    QStringList logLines() const;
    void kill();      // stops the printer and waits for it (owner thread only)
    void terminate(); // asks it to end (SIGTERM) and waits, so it tidies up
    // The printer is unplugged: killed at once; safe from any thread.
    void unplug();

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString path_;
};
