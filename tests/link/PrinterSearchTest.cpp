#include "link/PrinterSearch.h"

#include "common/RegStore.h"
#include "serial/SerialPort.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
constexpr int kTestQuietMs = 200;
const QString kMissing = QStringLiteral("/nonexistent/ttyUSB9");

// Every call in order, summaries as "found PORT SPEED" and "not found".
class RecordingSearch : public SearchReporter {
public:
    void showMessage(const QString& text) override { calls << text; }
    void showFound(const QString& port, const QString& speed) override { calls << "found " + port + " " + speed; }
    void showNotFound() override { calls << QStringLiteral("not found"); }
    QStringList calls;
};

// The three texts of one port that did not answer (waiting text per try, failure text).
QStringList unanswered() {
    const LinkAction a = actionQuery();
    return {a.waiting, a.waiting, a.waiting, a.failed, QStringLiteral("not found")};
}

QStringList answered(const QString& port, const QString& speed) {
    const LinkAction a = actionQuery();
    return {a.waiting, a.succeeded, "found " + port + " " + speed};
}

QString search(SerialPort& port, const QStringList& ports, const RegStore& store, RecordingSearch& seen,
               int quietMs = kTestQuietMs) {
    return searchPrinter(port, ports, store, seen, nullptr, quietMs);
}
} // namespace

TEST(PrinterSearch, SilentFirstPortTakesThreeTriesThenTheSecondIsStored) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")}), printer;
    SerialPort port;
    RecordingSearch seen;
    const QStringList ports{silent.devicePath(), printer.devicePath()};
    EXPECT_EQ(search(port, ports, store, seen), printer.devicePath());
    EXPECT_EQ(seen.calls, unanswered() + answered(printer.devicePath(), "57600"));
    // The query is the fixed frame of the protocol, three times on the silent line.
    EXPECT_EQ(silent.receivedAtLeast(3), QStringList(3, QStringLiteral("01 00 B3 00 02 B1 0A")));
    EXPECT_EQ(store.read("Comm", ""), printer.devicePath());
    EXPECT_EQ(store.read("Baud", ""), "57600");
}

TEST(PrinterSearch, PrinterOnTheFirstPortEndsTheSearch) {
    ScopedStore store;
    PrinterProcess printer;
    SerialPort port;
    RecordingSearch seen;
    // Opening the missing second port would show its error.
    EXPECT_EQ(search(port, {printer.devicePath(), kMissing}, store, seen), printer.devicePath());
    EXPECT_EQ(seen.calls, answered(printer.devicePath(), "57600"));
}

TEST(PrinterSearch, ASecondSearchRewritesTheSameValues) {
    ScopedStore store;
    PrinterProcess printer;
    SerialPort port;
    port.setBaudRate(9600);
    RecordingSearch seen;
    search(port, {printer.devicePath()}, store, seen);
    store.write("Comm", "COM7");
    store.write("Baud", "115200");
    EXPECT_EQ(search(port, {printer.devicePath()}, store, seen), printer.devicePath());
    EXPECT_EQ(store.read("Comm", ""), printer.devicePath());
    EXPECT_EQ(store.read("Baud", ""), "9600");
}

TEST(PrinterSearch, APrinterAtAnotherSpeedIsNotFoundAndTheSpeedStays) {
    ScopedStore store;
    PrinterProcess printer({QStringLiteral("--baud"), QStringLiteral("57600")});
    SerialPort port;
    port.setBaudRate(9600);
    RecordingSearch seen;
    EXPECT_EQ(search(port, {printer.devicePath()}, store, seen), QString());
    EXPECT_EQ(seen.calls, unanswered());
    EXPECT_EQ(port.baudRate(), 9600);
    EXPECT_EQ(store.read("Comm", "unchanged"), "unchanged");
    // The same printer answers once the line is at its speed.
    port.setBaudRate(57600);
    EXPECT_EQ(search(port, {printer.devicePath()}, store, seen), printer.devicePath());
}

TEST(PrinterSearch, APortThatCannotBeOpenedIsSkippedWithItsError) {
    ScopedStore store;
    PrinterProcess printer;
    SerialPort port;
    RecordingSearch seen;
    EXPECT_EQ(search(port, {kMissing, printer.devicePath()}, store, seen), printer.devicePath());
    // ENOENT is 2 on Linux.
    EXPECT_EQ(seen.calls,
              QStringList{"Unable to open com port (win error code: 2): " + kMissing + ": No such file or directory"} +
                  answered(printer.devicePath(), "57600"));
}

TEST(PrinterSearch, NoPortShowsNothing) {
    ScopedStore store;
    SerialPort port;
    RecordingSearch seen;
    EXPECT_EQ(search(port, {}, store, seen), QString());
    EXPECT_TRUE(seen.calls.isEmpty());
}

TEST(PrinterSearch, AStopEndsTheRunningTriesAndTriesNoFurtherPort) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")});
    SerialPort port;
    SearchStop stop;
    // Asked to stop while the first try waits (as a closing window does); with
    // a minute's quiet period only the abort event can end the waits.
    struct StopOnFirstText : RecordingSearch {
        SearchStop* stop;
        void showMessage(const QString& text) override {
            RecordingSearch::showMessage(text);
            stop->request();
        }
    } seen;
    seen.stop = &stop;
    EXPECT_EQ(searchPrinter(port, {silent.devicePath(), kMissing}, store, seen, &stop, 60000), QString());
    EXPECT_EQ(seen.calls, unanswered()); // the missing port is never opened
}

// The one test at the real quiet period: a silent port costs three full waits.
TEST(PrinterSearchSlow, SilentPortTakesThreeFullQuietPeriods) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")}), printer;
    SerialPort port;
    RecordingSearch seen;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(search(port, {silent.devicePath(), printer.devicePath()}, store, seen, kQuietMs), printer.devicePath());
    EXPECT_GE(clock.elapsed(), 3 * 3000); // three tries of at least 3000 ms each
    EXPECT_EQ(seen.calls, unanswered() + answered(printer.devicePath(), "57600"));
}
