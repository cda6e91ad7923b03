#include "cli/ParallelLink.h"

#include "cli/CliCommand.h"
#include "link/InterruptHook.h"
#include "link/TransactionLog.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <thread>

namespace {
// Keeps the status texts to itself: every try shows its waiting text once
// ("正在..."), so counting them counts the tries.
class CountingReporter : public LinkReporter {
public:
    void showMessage(const QString& text) override {
        if (text.startsWith(QStringLiteral("正在"))) ++tries;
    }
    int tries = 0;
};

struct Label {
    QString command;
    QString file;
    QStringList replacements;
};

PortOutcome runOne(const QString& name, const LinkOptions& options, const LinkRun& run, const Label& label) {
    // The log's labels belong to a thread: each worker carries the command's.
    const TransactionLabel threadLabel(label.command, label.file, label.replacements);
    PortOutcome outcome;
    outcome.port = name;
    CountingReporter reporter;
    QElapsedTimer clock;
    clock.start();
    const int interruptsBefore = interruptsTaken();
    try {
        SerialPort port;
        port.setPort(name);
        port.setBaudRate(options.baud);
        if (run(port, reporter, options.timing)) {
            outcome.code = kExitOk;
            outcome.result = kResultAcknowledged;
        } else if (interruptsTaken() != interruptsBefore) {
            outcome.code = kExitInterrupted;
            outcome.result = kResultInterrupted;
        } else {
            outcome.code = kExitFailed;
            outcome.result = kResultFailed;
        }
    } catch (const ComPortError& e) {
        outcome.code = kExitError;
        outcome.result = kResultPortError;
        outcome.error = portErrorText(e, name);
    }
    outcome.seconds = double(clock.elapsed()) / 1000.0;
    outcome.tries = reporter.tries;
    return outcome;
}
} // namespace

QString describeOutcome(const PortOutcome& o, bool json) {
    if (json) {
        QJsonObject object{{"port", o.port}, {"result", o.result}, {"seconds", o.seconds}, {"tries", o.tries}};
        if (!o.error.isEmpty()) object.insert("error", o.error);
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    }
    QString result = o.result;
    if (!o.error.isEmpty()) result += QStringLiteral(": ") + o.error;
    return QStringLiteral("%1  %2  %3 s  %4 tries")
        .arg(o.port, result, QString::number(o.seconds, 'f', 2))
        .arg(o.tries);
}

int combinedExitCode(const QList<PortOutcome>& outcomes) {
    int code = kExitOk;
    for (const PortOutcome& o : outcomes) {
        if (o.code == kExitInterrupted) return kExitInterrupted;
        if (o.code == kExitError || (o.code == kExitFailed && code == kExitOk)) code = o.code;
    }
    return code;
}

int runOnPorts(const LinkOptions& options, const LinkRun& run) {
    Label label;
    if (const TransactionLabel* current = TransactionLabel::current())
        label = {current->command, current->file, current->replacements};
    QList<PortOutcome> outcomes(options.ports.size());
    {
        std::vector<std::jthread> workers;
        for (qsizetype i = 0; i < options.ports.size(); ++i)
            workers.emplace_back([&, i] { outcomes[i] = runOne(options.ports[i], options, run, label); });
    } // every worker has ended here
    for (const PortOutcome& o : outcomes) {
        if (!o.error.isEmpty()) printErr(o.error);
        printOut(describeOutcome(o, options.json));
    }
    return combinedExitCode(outcomes);
}
