#pragma once
// Runs one printer command (send, clock, flash erase, glyphs) on a worker
// thread, as the printer search runs, so that the window keeps painting while
// the printer is silent. The command's status texts come back to this
// object's thread as status() signals, finished() after them. cancel() sets
// the running transaction's abort event: the remaining tries of the frame
// under way fail at once and the command ends there.
#include <QObject>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

class LinkReporter;
class QThread;

class PrinterWork : public QObject {
    Q_OBJECT
public:
    // The command: true when the printer accepted everything.
    using Job = std::function<bool(LinkReporter&)>;

    explicit PrinterWork(QObject* parent = nullptr);
    ~PrinterWork() override; // cancels a running command and waits for it

    // Starts the worker; nothing while one runs.
    void start(Job job);
    bool isRunning() const { return running_; }
    // From the window's thread; also when the transaction has not begun yet.
    void cancel();
    bool cancelRequested() const { return cancel_.load(); }

    // After finished(): what the command returned, and what it threw (rethrown
    // here on the window's thread, so the error boundary sees it).
    bool accepted() const { return accepted_; }
    void rethrowFailure() const;

signals:
    void status(const QString& text);
    void finished();

private:
    std::unique_ptr<QThread> worker_;
    std::unique_ptr<LinkReporter> relay_;
    std::atomic<bool> cancel_{false};
    std::exception_ptr failure_;
    bool accepted_ = false;
    bool running_ = false;
};
