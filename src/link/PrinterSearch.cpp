#include "link/PrinterSearch.h"

#include "common/RegStore.h"
#include "link/Frame.h"
#include "link/InterruptHook.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"

void SearchStop::request() {
    std::lock_guard lock(mutex_);
    requested_ = true;
    if (current_) current_->Set();
}

bool SearchStop::requested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

void SearchStop::attach(AbortEvent* event) {
    std::lock_guard lock(mutex_);
    current_ = event;
    if (current_ && requested_) current_->Set();
}

namespace {
// One port: true when the printer on it answered the query.
bool tryPort(SerialPort& port, const QByteArray& query, SearchReporter& reporter, SearchStop* stop,
             ReplyTiming timing) {
    Transaction transaction(port, reporter, timing);
    if (stop) stop->attach(&transaction.Abort());
    const bool answered = transaction.Exchange(query, actionQuery());
    if (stop) stop->attach(nullptr);
    return answered;
}
} // namespace

QString searchPrinter(SerialPort& port, const QStringList& ports, SearchReporter& reporter, SearchStop* stop,
                      ReplyTiming timing) {
    const QByteArray query = queryFrame();
    const int interruptsBefore = interruptsTaken(); // Ctrl+C ends the whole search
    for (const QString& name : ports) {
        if ((stop && stop->requested()) || interruptsTaken() != interruptsBefore) break;
        port.SetPort(name);
        try {
            if (!tryPort(port, query, reporter, stop, timing)) {
                reporter.showNotFound();
                continue;
            }
        } catch (const ComPortError& e) {
            if (stop) stop->attach(nullptr);
            reporter.ShowMessage(portErrorText(e, name));
            continue;
        }
        const QString speedText = QString::number(port.BaudRate());
        reporter.ShowMessage(actionQuery().succeeded);
        QString failure = writeRegString(QStringLiteral("Comm"), name);
        if (failure.isEmpty()) failure = writeRegString(QStringLiteral("Baud"), speedText);
        if (!failure.isEmpty()) reporter.showNotStored(failure);
        reporter.showFound(name, speedText);
        return name;
    }
    return {};
}
