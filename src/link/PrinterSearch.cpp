#include "link/PrinterSearch.h"

#include "link/Frame.h"
#include "link/InterruptHook.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"

#include <thread>

void SearchStop::request() {
    std::lock_guard lock(mutex_);
    requested_ = true;
    for (AbortEvent* event : current_) event->set();
}

bool SearchStop::requested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

void SearchStop::attach(AbortEvent* event) {
    std::lock_guard lock(mutex_);
    if (!event) {
        current_.clear();
        return;
    }
    current_.push_back(event);
    if (requested_) event->set();
}

void SearchStop::detach(AbortEvent* event) {
    std::lock_guard lock(mutex_);
    std::erase(current_, event);
}

namespace {
// The port that answered becomes the stored one.
QString keepFound(const QString& name, int baud, const RegStore& store, SearchReporter& reporter) {
    const QString speedText = QString::number(baud);
    reporter.showMessage(actionQuery().succeeded);
    QString failure = store.write(QStringLiteral("Comm"), name);
    if (failure.isEmpty()) failure = store.write(QStringLiteral("Baud"), speedText);
    if (!failure.isEmpty()) reporter.showNotStored(failure);
    reporter.showFound(name, speedText);
    return name;
}

// One port: true when the printer on it answered the query.
bool tryPort(SerialPort& port, const QByteArray& query, SearchReporter& reporter, SearchStop* stop,
             ReplyTiming timing) {
    Transaction transaction(port, reporter, timing);
    if (stop) stop->attach(&transaction.abortEvent());
    const bool answered = transaction.exchange(query, actionQuery());
    if (stop) stop->attach(nullptr);
    return answered;
}
} // namespace

QString searchPrinter(SerialPort& port, const QStringList& ports, const RegStore& store, SearchReporter& reporter,
                      SearchStop* stop, ReplyTiming timing) {
    const QByteArray query = queryFrame();
    const int interruptsBefore = interruptsTaken(); // Ctrl+C ends the whole search
    for (const QString& name : ports) {
        if ((stop && stop->requested()) || interruptsTaken() != interruptsBefore) break;
        port.setPort(name);
        try {
            if (!tryPort(port, query, reporter, stop, timing)) {
                reporter.showNotFound();
                continue;
            }
        } catch (const ComPortError& e) {
            if (stop) stop->attach(nullptr);
            reporter.showMessage(portErrorText(e, name));
            continue;
        }
        return keepFound(name, port.baudRate(), store, reporter);
    }
    return {};
}

namespace {
// What one port of a parallel search came to.
struct PortAnswer {
    bool answered = false;
    QString error; // the serial-port error, when there was one
};

// The tries' texts stay with the thread; the outcome is told in list order.
class QuietReporter : public LinkReporter {
public:
    void showMessage(const QString&) override {}
};

PortAnswer queryOnePort(const QString& name, int baud, const QByteArray& query, SearchStop* stop, ReplyTiming timing) {
    PortAnswer answer;
    QuietReporter quiet;
    try {
        SerialPort port;
        port.setPort(name);
        port.setBaudRate(baud);
        Transaction transaction(port, quiet, timing);
        if (stop) stop->attach(&transaction.abortEvent());
        answer.answered = transaction.exchange(query, actionQuery());
        if (stop) stop->detach(&transaction.abortEvent());
    } catch (const ComPortError& e) {
        answer.error = portErrorText(e, name);
    }
    return answer;
}
} // namespace

QString searchPrinterInParallel(SerialPort& port, const QStringList& ports, const RegStore& store,
                                SearchReporter& reporter, SearchStop* stop, ReplyTiming timing) {
    const QByteArray query = queryFrame();
    QList<PortAnswer> answers(ports.size());
    {
        std::vector<std::jthread> workers;
        for (qsizetype i = 0; i < ports.size(); ++i)
            workers.emplace_back([&, i] { answers[i] = queryOnePort(ports[i], port.baudRate(), query, stop, timing); });
    }
    for (qsizetype i = 0; i < ports.size(); ++i) {
        port.setPort(ports[i]);
        if (answers[i].answered) return keepFound(ports[i], port.baudRate(), store, reporter);
        if (!answers[i].error.isEmpty()) {
            reporter.showMessage(answers[i].error);
            continue;
        }
        reporter.showMessage(actionQuery().failed);
        reporter.showNotFound();
    }
    return {};
}
