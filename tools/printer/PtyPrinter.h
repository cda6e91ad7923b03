#pragma once
// The virtual printer's line: a pseudo-terminal pair whose slave device the
// host opens as its serial port, or a TCP port on which it serves one
// connection at a time, as a serial device server would. Reads frames, records them, answers and
// writes one log line per frame, and one per picture of a message it printed.

#include "printsim/FrameReader.h"
#include "printsim/PrintOutput.h"
#include "printsim/PrinterState.h"
#include "printsim/ReplyPlan.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <csignal>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;

class PtyPrinter {
public:
    // hostClock: the time the printer keeps while nobody sets its clock (the
    // computer's when empty).
    explicit PtyPrinter(const PrinterBehaviour& behaviour, PrinterState::HostClock hostClock = {});
    ~PtyPrinter();
    // Opens the pair; false with a reason in error() when the system refuses.
    bool open();
    // Listens on "HOST:PORT" instead (PORT 0: any free port); devicePath()
    // is then "tcp://HOST:PORT" with the port taken.
    bool listen(const QString& address);
    QString devicePath() const { return path_; }
    QString error() const { return error_; }
    bool setLog(const QString& path);
    // After each complete message, writes its pictures into the folder.
    void setPrintFolder(const QString& folder) { output_.emplace(folder); }
    // Listens only while the host has set the line to this speed (bit/s);
    // bytes sent at another speed are noise to it. 0: any speed.
    void setLineSpeed(int baud) { lineSpeed_ = baud; }
    // Sends every acknowledgement a second time, ms after the first (0: once).
    void setRepeatAck(int ms) { repeatAckMs_ = ms; }
    // Writes one junk byte (0x55) every ms, whatever happens (0: never).
    void setBabble(int ms) { babbleMs_ = ms; }
    // The speed the host set on the line, 0 when not one of the usual ones.
    int hostLineSpeed() const;
    // Serves until stop() is called (from a signal handler) or the line fails.
    int run(const volatile std::sig_atomic_t& stop);

private:
    struct Pending {
        qint64 dueMs;
        QByteArray bytes;
    };
    void queueReply(qint64 dueMs, const QByteArray& bytes);
    void handleInput(const QByteArray& bytes);
    void handleFrame(const ReadFrame& frame);
    void writeDue();
    void actOnEvents();
    int nextTimeoutMs() const;
    // How many bytes may be read now without outrunning the line rate.
    int readAllowance() const;
    void lineCarried(qsizetype bytes);
    void log(const QString& direction, const QByteArray& bytes, const QString& note = {});
    // On a TCP port: takes a waiting connection as the line, or drops a closed one.
    void acceptConnection();
    void dropConnection();

    PrinterBehaviour behaviour_;
    FrameReader reader_;
    PrinterState state_;
    QList<Pending> pending_;
    QElapsedTimer clock_;
    qint64 lastInputMs_ = 0;
    qint64 lineBusyUntilNs_ = 0; // at a limited rate: when the line has carried what was read
    int answered_ = 0;
    int lineSpeed_ = 0;
    int repeatAckMs_ = 0;
    int babbleMs_ = 0;
    qint64 nextBabbleMs_ = 0;
    int master_ = -1;
    int slave_ = -1; // held so the line stays up while the host has it closed
    std::unique_ptr<QTcpServer> server_;
    std::unique_ptr<QTcpSocket> client_; // the connection serving as the line (master_ is its descriptor)
    QString path_;
    QString error_;
    QFile log_;
    std::optional<PrintOutput> output_;
};
