#include "shell/PrinterSearchTask.h"

#include "common/OperatorError.h"
#include "shell/ErrorBoundary.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QThread>
#include <QVBoxLayout>
#include <exception>

namespace {
// Hands every call to the target on the context object's thread.
class QueuedReporter : public SearchReporter {
public:
    QueuedReporter(QObject* context, SearchReporter& target) : context_(context), target_(target) {}
    void showMessage(const QString& text) override {
        post([&t = target_, text] { t.showMessage(text); });
    }
    void showFound(const QString& port, const QString& speedText) override {
        post([&t = target_, port, speedText] { t.showFound(port, speedText); });
    }
    void showNotFound() override {
        post([&t = target_] { t.showNotFound(); });
    }

private:
    template <class F> void post(F call) { QMetaObject::invokeMethod(context_, std::move(call), Qt::QueuedConnection); }
    QObject* context_;
    SearchReporter& target_;
};
} // namespace

PrinterSearchTask::PrinterSearchTask(SerialPort& port, const RegStore& store, QObject* parent)
    : QObject(parent), port_(port), store_(store) {}

PrinterSearchTask::~PrinterSearchTask() {
    stop();
}

void PrinterSearchTask::start(const QStringList& ports, SearchReporter& target, int quietMs, bool parallel) {
    if (running_) return;
    join(); // the previous search's thread, ended by now
    running_ = true;
    stop_ = std::make_unique<SearchStop>();
    relay_ = std::make_unique<QueuedReporter>(this, target);
    worker_.reset(
        QThread::create([this, ports, quietMs, parallel, store = store_, stop = stop_.get(), relay = relay_.get()] {
            QString found;
            std::exception_ptr failure; // anything else reaches the window's error boundary at completion
            try {
                found = parallel ? searchPrinterInParallel(port_, ports, store, *relay, stop, quietMs)
                                 : searchPrinter(port_, ports, store, *relay, stop, quietMs);
            } catch (const OperatorError& e) {
                relay->showMessage(e.text());
            } catch (...) {
                failure = std::current_exception();
            }
            QMetaObject::invokeMethod(
                this,
                [this, found, failure] {
                    running_ = false;
                    if (failure)
                        runCommand(qobject_cast<QWidget*>(parent()), [failure] { std::rethrow_exception(failure); });
                    emit finished(found);
                },
                Qt::QueuedConnection);
        }));
    worker_->start();
}

void PrinterSearchTask::stop() {
    if (stop_) stop_->request();
    join();
}

void PrinterSearchTask::join() {
    if (worker_) worker_->wait();
}

QFrame* makeSearchNotice(QWidget* window) {
    auto* notice = new QFrame(window);
    notice->setObjectName(QStringLiteral("Pnl_Search"));
    notice->setFrameStyle(QFrame::Panel | QFrame::Raised);
    notice->setAutoFillBackground(true);
    notice->setFixedSize(555, 65);
    auto* caption =
        new QLabel(QCoreApplication::translate("PrinterSearchTask", "正在查找已连接Dravo喷码机,请稍等"), notice);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(32);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(notice);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(caption);
    notice->hide();
    return notice;
}

void placeSearchNotice(QFrame* notice, const QWidget* window) {
    notice->move((window->width() - notice->width()) / 2, (window->height() - notice->height() - 70) / 2);
}
