#include "serial/SerialPort.h"

#include "support/PtyPair.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {
struct OpenPort {
    PtyPair far;
    SerialPort port;
    OpenPort() {
        port.setPort(far.slavePath());
        port.open();
    }
};

// Reads whatever the port holds after a wait that saw a byte.
QByteArray readAll(SerialPort& port) {
    QByteArray bytes;
    port.readBytes(bytes, port.inputCount());
    return bytes;
}
} // namespace

TEST(SerialPort, BytesTravelBothWaysUnchanged) {
    OpenPort p;
    const QByteArray frame = hexBytes("01 00 B2 00 08 20 26 12 06 18 09 42 FA 00 0A 0D 11 13");
    EXPECT_EQ(p.port.writeBytes(frame), frame.size());
    EXPECT_EQ(toHex(p.far.read(1000, int(frame.size()))), toHex(frame));

    p.far.write(hexBytes("06 00 B3 00 0A 11"));
    TComEvents events = evRxChar;
    AbortEvent abort;
    p.port.waitForEvent(events, &abort, 2000);
    EXPECT_EQ(events, TComEvents(evRxChar));
    QByteArray got = readAll(p.port);
    while (got.size() < 6) { // the pty may hand the reply over in parts
        events = evRxChar;
        p.port.waitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
        got += readAll(p.port);
    }
    EXPECT_EQ(toHex(got), "06 00 B3 00 0A 11");
    EXPECT_EQ(p.port.writeBytes({}), 0);
    QByteArray none("x");
    EXPECT_EQ(p.port.readBytes(none, 0), 0);
    EXPECT_TRUE(none.isEmpty());
}

TEST(SerialPort, WaitReturnsOnTheFirstByte) {
    OpenPort p;
    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        p.far.write(hexBytes("06"));
    });
    TComEvents events = evRxChar;
    AbortEvent abort;
    p.port.waitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    sender.join();
    EXPECT_EQ(events, TComEvents(evRxChar));
    EXPECT_EQ(p.port.inputCount(), 1);
}

TEST(SerialPort, WaitWithNothingLastsTheWholeTimeout) {
    OpenPort p;
    TComEvents events = evRxChar;
    AbortEvent abort;
    QElapsedTimer t;
    t.start();
    p.port.waitForEvent(events, &abort, 300);
    EXPECT_GE(t.elapsed(), 295);
    EXPECT_EQ(events, 0u);
}

TEST(SerialPort, AbortFromAnotherThreadEndsTheWaitAtOnce) {
    OpenPort p;
    AbortEvent abort;
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        abort.set();
    });
    TComEvents events = evRxChar;
    p.port.waitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    setter.join();
    EXPECT_EQ(events, 0u);
    // Manual reset: a set event ends every later wait at once as well.
    events = evRxChar;
    p.port.waitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    abort.reset();
    EXPECT_FALSE(abort.isSet());
}

TEST(SerialPort, QueuedBytesEndAWaitAndAreReadFirst) {
    OpenPort p;
    TComEvents events = evRxChar;
    p.port.waitForEvent(events, nullptr, 100); // nothing yet
    EXPECT_EQ(events, 0u);
    // Bytes that came after a wait ended stay queued: the next wait returns
    // at once and the read gives them ahead of the ones that follow.
    p.far.write(hexBytes("AA BB"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    p.far.write(hexBytes("CC"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    events = evRxChar;
    p.port.waitForEvent(events, nullptr, kOnlyTheEventEndsTheWaitMs);
    EXPECT_EQ(events, TComEvents(evRxChar));
    EXPECT_EQ(toHex(readAll(p.port)), "AA BB CC");
    // An abort wins over waiting bytes.
    p.far.write(hexBytes("DD"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    AbortEvent abort;
    abort.set();
    events = evRxChar;
    p.port.waitForEvent(events, &abort, 2000);
    EXPECT_EQ(events, 0u);
}

TEST(SerialPort, MissingPortGivesTheOpenErrorWithNumber2) {
    SerialPort port;
    std::vector<bool> seen;
    port.setOpenListener([&](bool open) { seen.push_back(open); });
    port.setPort(QStringLiteral("/dev/daviduv-no-such-port"));
    try {
        port.open();
        FAIL() << "open of a missing port succeeded";
    } catch (const ComPortError& e) {
        EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 2)");
        EXPECT_EQ(e.code(), 1);
        EXPECT_EQ(e.OsError(), 2);
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(seen.empty());
}

TEST(SerialPort, SecondOpenOfAPortInUseFails) {
    OpenPort p;
    SerialPort second;
    second.setPort(p.far.slavePath());
    try {
        second.open();
        FAIL() << "second open succeeded";
    } catch (const ComPortError& e) {
        EXPECT_EQ(e.code(), 1);
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Unable to open com port (win error code: "));
    }
    EXPECT_FALSE(second.isOpen());
    // Once the first lets go, the second gets it.
    p.port.close();
    EXPECT_NO_THROW(second.open());
    EXPECT_TRUE(second.isOpen());
}

TEST(SerialPort, UnreadBytesAreGoneAfterTheNextOpen) {
    OpenPort p;
    p.far.write(hexBytes("06 00 B3"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(p.port.inputCount(), 3);
    p.port.close();
    p.far.write(hexBytes("01 02")); // arrives while closed
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    p.port.open();
    EXPECT_EQ(p.port.inputCount(), 0);
}

TEST(SerialPort, ListenerReportsOpenOnlyWhileOpen) {
    PtyPair far;
    SerialPort port;
    std::vector<std::pair<bool, bool>> seen; // (reported, isOpen() at that moment)
    port.setOpenListener([&](bool open) { seen.emplace_back(open, port.isOpen()); });
    port.setPort(far.slavePath());
    port.open();
    port.open();                   // already open: nothing
    port.setPort(far.slavePath()); // same name: no reopen
    port.close();
    port.close(); // already closed: nothing
    const std::vector<std::pair<bool, bool>> expected{{true, true}, {false, false}};
    EXPECT_EQ(seen, expected);
}

TEST(SerialPort, NewNameReopensAnOpenPort) {
    PtyPair first, second;
    SerialPort port;
    std::vector<bool> seen;
    port.setOpenListener([&](bool open) { seen.push_back(open); });
    port.setPort(first.slavePath());
    port.open();
    port.setPort(second.slavePath());
    EXPECT_TRUE(port.isOpen());
    port.writeBytes(hexBytes("5A"));
    EXPECT_EQ(toHex(second.read(1000, 1)), "5A");
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    port.setBaudRate(115200); // applied while open
    EXPECT_EQ(port.baudRate(), 115200);
}

TEST(SerialPort, FarEndGoneMidWaitIsAnError) {
    OpenPort p;
    std::thread unplug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        p.far.closeMaster();
    });
    TComEvents events = evRxChar;
    AbortEvent abort;
    try {
        p.port.waitForEvent(events, &abort, 3000);
        unplug.join();
        // Some kernels report the hang-up only to the next transfer.
        EXPECT_THROW(p.port.writeBytes(hexBytes("01")), ComPortError);
    } catch (const ComPortError& e) {
        unplug.join();
        EXPECT_EQ(e.code(), 21);
    }
}

TEST(SerialPort, ClosedPortRefusesTransfers) {
    SerialPort port;
    TComEvents events = evRxChar;
    EXPECT_THROW(port.writeBytes(hexBytes("01")), ComPortError);
    EXPECT_THROW(port.waitForEvent(events, nullptr, 10), ComPortError);
}
