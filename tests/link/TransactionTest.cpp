#include "link/Transaction.h"
#include "link/Frame.h"
#include "link/LinkReporter.h"
#include "link/PrinterCommands.h"
#include "serial/ComPortError.h"
#include "serial/SerialPort.h"
#include "support/PrinterProcess.h"
#include "support/PtyPair.h"

#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr int kTestQuietMs = 200;

// Keeps every text, and whether the port was open when it was shown.
class RecordingReporter : public LinkReporter {
public:
    explicit RecordingReporter(const SerialPort& port) : port_(port) {}
    void showMessage(const QString& text) override {
        texts << text;
        openWhenShown.push_back(port_.isOpen());
    }
    QStringList texts;
    std::vector<bool> openWhenShown;

private:
    const SerialPort& port_;
};

// Takes a while to show each text, as a window repainting would.
class SlowReporter : public RecordingReporter {
public:
    using RecordingReporter::RecordingReporter;
    void showMessage(const QString& text) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        RecordingReporter::showMessage(text);
    }
};

struct Link {
    PrinterProcess printer;
    SerialPort port;
    RecordingReporter reporter{port};
    std::vector<bool> lamp; // what the port's open listener was told
    explicit Link(const QStringList& options = {}) : printer(options) {
        port.setPort(printer.devicePath());
        port.setOpenListener([this](bool open) { lamp.push_back(open); });
    }
};

const QDateTime kClockTime(QDate(2026, 12, 6), QTime(18, 9, 42));
const char* const kClockHex = "01 00 B2 00 08 20 26 12 06 18 09 42 FA";

QByteArray kClockFrame() {
    return clockFrame(kClockTime);
}

QStringList repeated(const QString& text, int n) {
    QStringList list;
    for (int i = 0; i < n; ++i) list << text;
    return list;
}
} // namespace

TEST(Transaction, AcknowledgedExchangeShowsWaitingThenSuccess) {
    Link link;
    EXPECT_TRUE(setPrinterClock(link.port, link.reporter, kClockTime, kTestQuietMs));
    const LinkAction a = actionSetClock();
    EXPECT_EQ(link.reporter.texts, (QStringList{a.waiting, a.succeeded}));
    EXPECT_EQ(link.printer.received(), QStringList{kClockHex});
    // The lamp is lit for the whole transaction and out after it.
    EXPECT_EQ(link.reporter.openWhenShown, (std::vector<bool>{true, true}));
    EXPECT_EQ(link.lamp, (std::vector<bool>{true, false}));
    EXPECT_FALSE(link.port.isOpen());
}

TEST(Transaction, SilentPrinterGetsThreeIdenticalFramesAndTheFailureStays) {
    Link link({QStringLiteral("--silent")});
    QElapsedTimer t;
    t.start();
    // The clock frame is built once: every try carries the first try's time.
    EXPECT_FALSE(setPrinterClock(link.port, link.reporter, QDateTime::currentDateTime(), kTestQuietMs));
    EXPECT_GE(t.elapsed(), 3 * kTestQuietMs);
    const LinkAction a = actionSetClock();
    EXPECT_EQ(link.reporter.texts, repeated(a.waiting, 3) << a.failed);
    const QStringList frames = link.printer.receivedAtLeast(3);
    ASSERT_EQ(frames.size(), 3);
    EXPECT_EQ(frames[1], frames[0]);
    EXPECT_EQ(frames[2], frames[0]);
    EXPECT_FALSE(link.port.isOpen());
}

TEST(Transaction, MisbehavingPrintersAreJudgedByTheReplyTest) {
    struct Row {
        QStringList options;
        bool accepted;
        int frames;
        const char* why;
    };
    const Row rows[] = {
        {{"--wrong-third"}, false, 3, "B3 00 00 is no acknowledgement"},
        {{"--pieces", "60"}, true, 1, "pieces 60 ms apart, within the quiet time, are one reply"},
        {{"--delay", "120"}, true, 1, "a late answer within the quiet time"},
        {{"--delay", "320", "--answer-limit", "1"},
         false,
         3,
         "an answer after the first try's quiet period pays off that try, never the retry"},
    };
    for (const Row& r : rows) {
        Link link(r.options);
        EXPECT_EQ(eraseFlashSegment(link.port, link.reporter, 0, kTestQuietMs), r.accepted) << r.why;
        const QStringList frames = link.printer.receivedAtLeast(r.frames);
        EXPECT_EQ(frames.size(), r.frames) << r.why;
        for (const QString& f : frames) EXPECT_EQ(f, "01 00 BE 00 02 00 BD") << r.why;
        const LinkAction a = actionEraseFlash();
        EXPECT_EQ(link.reporter.texts.back(), r.accepted ? a.succeeded : a.failed) << r.why;
        EXPECT_EQ(link.reporter.texts.count(a.waiting), r.frames) << r.why;
    }
}

TEST(Transaction, ChunksGoInOrderAndAFailedChunkEndsTheTransfer) {
    {
        Link link;
        SerialPort& port = link.port;
        Transaction t(port, link.reporter, kTestQuietMs);
        const QByteArray data(3073, '\x5A');
        EXPECT_TRUE(t.sendChunks(cmdBackgroundChunk, 1, 2, data, actionBackground()));
        const QStringList frames = link.printer.received();
        ASSERT_EQ(frames.size(), 2);
        EXPECT_TRUE(frames[0].startsWith("01 00 B1 0C 05 01 02 02 01 5A"));
        EXPECT_EQ(frames[1], "01 00 B1 00 06 01 02 02 02 5A EF"); // by hand: 01^B1^06^01^02^02^02^5A = EF
        const LinkAction a = actionBackground();
        EXPECT_EQ(link.reporter.texts, (QStringList{a.waiting, a.succeeded, a.waiting, a.succeeded}));
        EXPECT_TRUE(t.sendChunks(cmdBackgroundChunk, 1, 2, {}, a)); // nothing to send
        EXPECT_EQ(link.printer.received().size(), 2);
    }
    Link link({QStringLiteral("--answer-limit"), QStringLiteral("1")});
    {
        Transaction t(link.port, link.reporter, kTestQuietMs);
        EXPECT_FALSE(t.sendChunks(cmdBackgroundChunk, 1, 1, QByteArray(3 * kChunkSize, '\0'), actionBackground()));
        EXPECT_EQ(link.reporter.texts.back(), actionBackground().failed);
    }
    const QStringList frames = link.printer.receivedAtLeast(4);
    ASSERT_EQ(frames.size(), 4);
    EXPECT_TRUE(frames[0].startsWith("01 00 B1 0C 05 01 01 03 01"));
    // Chunk 2 three times, and chunk 3 never.
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(frames[i].startsWith("01 00 B1 0C 05 01 01 03 02")) << i;
}

TEST(Transaction, InterruptMakesTheRemainingTriesFailAtOnce) {
    Link link({QStringLiteral("--silent")});
    std::thread interrupter([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(::getpid(), SIGINT);
    });
    // Only the interrupt can end tries this long.
    const bool ok = queryPrinter(link.port, link.reporter, kOnlyTheEventEndsTheWaitMs);
    interrupter.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(link.printer.receivedAtLeast(3), repeated("01 00 B3 00 02 B1 0A", 3));
    EXPECT_EQ(link.reporter.texts.back(), actionQuery().failed);
    // Between transactions an interrupt ends the program as it would any other.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    // The next transaction starts with a clear event.
    PrinterProcess answering;
    link.port.setPort(answering.devicePath());
    EXPECT_TRUE(queryPrinter(link.port, link.reporter, kTestQuietMs));
}

TEST(Transaction, PortThatCannotBeOpenedLeavesItClosed) {
    SerialPort port;
    RecordingReporter reporter(port);
    std::vector<bool> lamp;
    port.setOpenListener([&](bool open) { lamp.push_back(open); });
    port.setPort(QStringLiteral("/dev/daviduv-missing-port"));
    try {
        setPrinterClock(port, reporter, kClockTime, kTestQuietMs);
        FAIL() << "no error for a missing port";
    } catch (const ComPortError& e) {
        EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 2)");
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(lamp.empty());
    EXPECT_TRUE(reporter.texts.isEmpty());
    // The failed begin left nothing registered: the next transaction runs.
    PrinterProcess printer;
    port.setPort(printer.devicePath());
    EXPECT_TRUE(setPrinterClock(port, reporter, kClockTime, kTestQuietMs));
}

TEST(Transaction, PrinterUnpluggedMidTransferEndsWithAnErrorAndAClosedPort) {
    Link link({QStringLiteral("--silent")});
    std::thread unplug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        link.printer.unplug();
    });
    EXPECT_THROW(eraseFlashSegment(link.port, link.reporter, 1, kQuietMs), ComPortError);
    unplug.join();
    EXPECT_FALSE(link.port.isOpen());
    EXPECT_EQ(link.lamp, (std::vector<bool>{true, false}));
    PrinterProcess printer;
    link.port.setPort(printer.devicePath());
    EXPECT_TRUE(eraseFlashSegment(link.port, link.reporter, 1, kTestQuietMs));
}

// Several printers may be worked on at once, each on its own port; a port
// that a running transaction holds refuses a second one.
TEST(Transaction, TransactionsOnTwoPortsRunAtOnceButNotTwoOnOnePort) {
    Link link;
    Link another;
    Transaction first(link.port, link.reporter, kTestQuietMs);
    Transaction second(another.port, another.reporter, kTestQuietMs);
    EXPECT_TRUE(another.port.isOpen());
    SerialPort same;
    same.setPort(link.port.port());
    RecordingReporter reporter(same);
    EXPECT_THROW(Transaction(same, reporter, kTestQuietMs), ComPortError);
    EXPECT_FALSE(same.isOpen());
}

// Bytes that were waiting before a frame was written are late bytes of an
// earlier one: they never answer it, and they do not shift its reply.
TEST(Transaction, BytesWaitingBeforeTheWriteNeverAnswerTheFrame) {
    struct Row {
        const char* late;
        const char* answer;
        bool accepted;
        int frames;
        const char* why;
    };
    const Row rows[] = {
        {"06 00 B3", "", false, 3, "a stale acknowledgement, then silence"},
        {"06 00 B3", "00 00 00", false, 3, "a stale acknowledgement ahead of a refusal"},
        {"06", "06 00 B3", true, 1, "a stale byte ahead of the acknowledgement"},
        {"", "06 00 B3", true, 1, "the answer arrives before the wait begins"},
    };
    for (const Row& r : rows) {
        PtyPair far;
        SerialPort port;
        port.setPort(far.slavePath());
        SlowReporter reporter(port); // the answer is in before the wait begins
        Transaction t(port, reporter, kTestQuietMs);
        far.write(hexBytes(r.late));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::atomic<bool> done{false};
        int frames = 0;
        std::thread printer([&] {
            for (QByteArray in; !done;) {
                in += far.read(20);
                for (; in.size() >= 7; in.remove(0, 7), ++frames) far.write(hexBytes(r.answer));
            }
        });
        EXPECT_EQ(t.exchange(eraseFrame(0), actionEraseFlash()), r.accepted) << r.why;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        done = true;
        printer.join();
        EXPECT_EQ(frames, r.frames) << r.why;
    }
}

// The one exchange that runs with the real quiet time.
TEST(Transaction, RealQuietTimeOfThreeSeconds) {
    Link link;
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(queryPrinter(link.port, link.reporter, kQuietMs));
    EXPECT_GE(t.elapsed(), kQuietMs);
    EXPECT_LT(t.elapsed(), kQuietMs + 2000);
    EXPECT_EQ(link.reporter.texts, (QStringList{actionQuery().waiting, actionQuery().succeeded}));
}

// A line that never goes quiet (a printer babbling garbage) must not hold the
// transaction forever: each try stops gathering after kMaxReply bytes.
TEST(Transaction, BabblingLineStillEndsAfterThreeTries) {
    PtyPair far;
    SerialPort port;
    port.setPort(far.slavePath());
    RecordingReporter reporter(port);
    std::atomic<bool> stop{false};
    std::thread babbler([&] {
        while (!stop) {
            far.write(QByteArray(64, '\x55'));
            far.read(5); // the frames written meanwhile
        }
    });
    bool ok = true;
    {
        Transaction transaction(port, reporter, kTestQuietMs);
        ok = transaction.send(eraseFrame(2), actionEraseFlash());
    }
    stop = true;
    babbler.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(reporter.texts.back(), actionEraseFlash().failed);
}

// With fast acknowledgement an accepted reply ends the exchange after the
// short settle time, once the first exchange (which waits the whole quiet
// period: a repeated acknowledgement would show there) saw one acknowledgement
// and nothing after it. A line with it then does four exchanges before a line
// without it, started together with the same quiet period, has done two;
// without fast acknowledgement the four would take four quiet periods against
// two. No clock is read: the other line's end is the event the four race.
TEST(Transaction, FastAcknowledgementEndsTheExchangeAtTheAcknowledgement) {
    Link fast, reference;
    std::atomic<bool> referenceDone{false};
    std::thread referenceLine([&] {
        Transaction transaction(reference.port, reference.reporter, ReplyTiming(2000));
        for (int i = 0; i < 2; ++i) EXPECT_TRUE(transaction.exchange(kClockFrame(), actionSetClock()));
        referenceDone = true;
    });
    bool referenceDoneFirst = true;
    {
        ReplyTiming timing(2000);
        timing.fastAck = true;
        Transaction transaction(fast.port, fast.reporter, timing);
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(transaction.exchange(kClockFrame(), actionSetClock()));
        referenceDoneFirst = referenceDone;
    }
    referenceLine.join();
    EXPECT_FALSE(referenceDoneFirst) << "the line without fast acknowledgement ended its two exchanges first";
    EXPECT_EQ(fast.printer.received(), repeated(kClockHex, 4));
    EXPECT_EQ(reference.printer.received(), repeated(kClockHex, 2));
}

// A printer that repeats each acknowledgement after the settle time: the first
// exchange sees the repeat, so fast acknowledgement is off for the rest, and
// the next frame (never answered) cannot take the repeat for its own.
TEST(Transaction, RepeatedAcknowledgementIsNotTheNextFramesAcknowledgement) {
    Link link({"--repeat-ack-ms", "150", "--answer-limit", "1"});
    ReplyTiming timing(kTestQuietMs);
    timing.fastAck = true;
    Transaction transaction(link.port, link.reporter, timing);
    EXPECT_TRUE(transaction.exchange(kClockFrame(), actionSetClock()));
    EXPECT_FALSE(transaction.exchange(kClockFrame(), actionSetClock()));
}

// A line that never goes quiet (one junk byte every 60 ms against a quiet
// period of 200 ms) holds no try beyond its budget: all three tries are
// written while the line still babbles, and none is accepted.
TEST(Transaction, BabblingLineEndsEachTryAtItsBudget) {
    PtyPair far;
    SerialPort port;
    port.setPort(far.slavePath());
    RecordingReporter reporter(port);
    std::atomic<int> framesWhileBabbling{0};
    std::atomic<bool> opened{false};
    std::thread babbler([&] {
        while (!opened) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        for (int i = 0; i < 100; ++i) { // 6 s of babble; three bounded tries need under 2 s
            far.write(QByteArray(1, '\x55'));
            framesWhileBabbling += int(far.read(60).size() / 7);
        }
    });
    ReplyTiming timing(kTestQuietMs);
    timing.replyMs = 300;
    bool ok = true;
    {
        Transaction transaction(port, reporter, timing);
        opened = true;
        ok = transaction.exchange(eraseFrame(2), actionEraseFlash());
    }
    babbler.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(framesWhileBabbling.load(), 3);
    EXPECT_EQ(reporter.texts.back(), actionEraseFlash().failed);
}

// Output held on the line (as XOFF would hold it): the frame cannot leave in
// its time, and the send says so instead of waiting for an answer to bytes
// the printer never got.
TEST(Transaction, AFrameTheLineDoesNotTakeIsAWriteFailure) {
    PtyPair far;
    SerialPort port;
    port.setPort(far.slavePath());
    RecordingReporter reporter(port);
    Transaction transaction(port, reporter, kTestQuietMs);
    const int line = ::open(far.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(line, 0);
    ASSERT_EQ(::tcflow(line, TCOOFF), 0);
    try {
        transaction.exchange(kClockFrame(), actionSetClock());
        ADD_FAILURE() << "the held frame was taken for sent";
    } catch (const ComPortError& e) {
        EXPECT_EQ(e.code(), CE_WriteFailed);
        EXPECT_EQ(e.OsError(), ETIMEDOUT);
    }
    ::tcflow(line, TCOON);
    ::close(line);
}
