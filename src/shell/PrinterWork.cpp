#include "shell/PrinterWork.h"

#include "link/InterruptHook.h"
#include "link/LinkReporter.h"

#include <QMetaObject>
#include <QThread>

namespace {
// On the worker: hands each text to the window's thread. A cancel that came
// before the transaction began (or between its frames) is applied at the
// next text, which follows every write.
class Relay : public LinkReporter {
public:
    Relay(PrinterWork* work, const std::atomic<bool>& cancel) : work_(work), cancel_(cancel) {}
    void showMessage(const QString& text) override {
        if (cancel_.load()) abortRunningTransaction();
        QMetaObject::invokeMethod(
            work_, [w = work_, text] { emit w->status(text); }, Qt::QueuedConnection);
    }

private:
    PrinterWork* work_;
    const std::atomic<bool>& cancel_;
};
} // namespace

PrinterWork::PrinterWork(QObject* parent) : QObject(parent) {}

PrinterWork::~PrinterWork() {
    if (worker_) {
        cancel();
        worker_->wait();
    }
}

void PrinterWork::start(Job job) {
    if (running_) return;
    if (worker_) worker_->wait(); // the previous command's thread, ended by now
    running_ = true;
    cancel_ = false;
    failure_ = nullptr;
    accepted_ = false;
    relay_ = std::make_unique<Relay>(this, cancel_);
    worker_.reset(QThread::create([this, job = std::move(job), relay = relay_.get()] {
        bool accepted = false;
        std::exception_ptr failure;
        try {
            accepted = job(*relay);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this,
            [this, accepted, failure] {
                running_ = false;
                accepted_ = accepted;
                failure_ = failure;
                emit finished();
            },
            Qt::QueuedConnection);
    }));
    worker_->start();
}

void PrinterWork::cancel() {
    if (!running_) return;
    cancel_ = true;
    abortRunningTransaction();
}

void PrinterWork::rethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
}
