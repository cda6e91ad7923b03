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
        port.SetPort(far.slavePath());
        port.Open();
    }
};

// Reads whatever the port holds after a wait that saw a byte.
QByteArray readAll(SerialPort& port) {
    QByteArray bytes;
    port.ReadBytes(bytes, port.InputCount());
    return bytes;
}
} // namespace

TEST(SerialPort, BytesTravelBothWaysUnchanged) {
    OpenPort p;
    const QByteArray frame = hexBytes("01 00 B2 00 08 20 26 12 06 18 09 42 FA 00 0A 0D 11 13");
    EXPECT_EQ(p.port.WriteBytes(frame), frame.size());
    EXPECT_EQ(toHex(p.far.read(1000, int(frame.size()))), toHex(frame));

    p.far.write(hexBytes("06 00 B3 00 0A 11"));
    TComEvents events = evRxChar;
    AbortEvent abort;
    p.port.WaitForEvent(events, &abort, 2000);
    EXPECT_EQ(events, TComEvents(evRxChar));
    QByteArray got = readAll(p.port);
    while (got.size() < 6) { // the pty may hand the reply over in parts
        events = evRxChar;
        p.port.WaitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
        got += readAll(p.port);
    }
    EXPECT_EQ(toHex(got), "06 00 B3 00 0A 11");
    EXPECT_EQ(p.port.WriteBytes({}), 0);
    QByteArray none("x");
    EXPECT_EQ(p.port.ReadBytes(none, 0), 0);
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
    p.port.WaitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    sender.join();
    EXPECT_EQ(events, TComEvents(evRxChar));
    EXPECT_EQ(p.port.InputCount(), 1);
}

TEST(SerialPort, WaitWithNothingLastsTheWholeTimeout) {
    OpenPort p;
    TComEvents events = evRxChar;
    AbortEvent abort;
    QElapsedTimer t;
    t.start();
    p.port.WaitForEvent(events, &abort, 300);
    EXPECT_GE(t.elapsed(), 295);
    EXPECT_EQ(events, 0u);
}

TEST(SerialPort, AbortFromAnotherThreadEndsTheWaitAtOnce) {
    OpenPort p;
    AbortEvent abort;
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        abort.Set();
    });
    TComEvents events = evRxChar;
    p.port.WaitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    setter.join();
    EXPECT_EQ(events, 0u);
    // Manual reset: a set event ends every later wait at once as well.
    events = evRxChar;
    p.port.WaitForEvent(events, &abort, kOnlyTheEventEndsTheWaitMs);
    abort.Reset();
    EXPECT_FALSE(abort.IsSet());
}

TEST(SerialPort, QueuedBytesEndAWaitAndAreReadFirst) {
    OpenPort p;
    TComEvents events = evRxChar;
    p.port.WaitForEvent(events, nullptr, 100); // nothing yet
    EXPECT_EQ(events, 0u);
    // Bytes that came after a wait ended stay queued: the next wait returns
    // at once and the read gives them ahead of the ones that follow.
    p.far.write(hexBytes("AA BB"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    p.far.write(hexBytes("CC"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    events = evRxChar;
    p.port.WaitForEvent(events, nullptr, kOnlyTheEventEndsTheWaitMs);
    EXPECT_EQ(events, TComEvents(evRxChar));
    EXPECT_EQ(toHex(readAll(p.port)), "AA BB CC");
    // An abort wins over waiting bytes.
    p.far.write(hexBytes("DD"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    AbortEvent abort;
    abort.Set();
    events = evRxChar;
    p.port.WaitForEvent(events, &abort, 2000);
    EXPECT_EQ(events, 0u);
}

TEST(SerialPort, MissingPortGivesTheOpenErrorWithNumber2) {
    SerialPort port;
    std::vector<bool> seen;
    port.SetOpenListener([&](bool open) { seen.push_back(open); });
    port.SetPort(QStringLiteral("/dev/daviduv-no-such-port"));
    try {
        port.Open();
        FAIL() << "open of a missing port succeeded";
    } catch (const ComPortError& e) {
        EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 2)");
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.OsError(), 2);
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(seen.empty());
}

TEST(SerialPort, SecondOpenOfAPortInUseFails) {
    OpenPort p;
    SerialPort second;
    second.SetPort(p.far.slavePath());
    try {
        second.Open();
        FAIL() << "second open succeeded";
    } catch (const ComPortError& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Unable to open com port (win error code: "));
    }
    EXPECT_FALSE(second.Connected());
    // Once the first lets go, the second gets it.
    p.port.Close();
    EXPECT_NO_THROW(second.Open());
    EXPECT_TRUE(second.Connected());
}

TEST(SerialPort, UnreadBytesAreGoneAfterTheNextOpen) {
    OpenPort p;
    p.far.write(hexBytes("06 00 B3"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(p.port.InputCount(), 3);
    p.port.Close();
    p.far.write(hexBytes("01 02")); // arrives while closed
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    p.port.Open();
    EXPECT_EQ(p.port.InputCount(), 0);
}

TEST(SerialPort, ListenerReportsOpenOnlyWhileOpen) {
    PtyPair far;
    SerialPort port;
    std::vector<std::pair<bool, bool>> seen; // (reported, Connected() at that moment)
    port.SetOpenListener([&](bool open) { seen.emplace_back(open, port.Connected()); });
    port.SetPort(far.slavePath());
    port.Open();
    port.Open();                   // already open: nothing
    port.SetPort(far.slavePath()); // same name: no reopen
    port.Close();
    port.Close(); // already closed: nothing
    const std::vector<std::pair<bool, bool>> expected{{true, true}, {false, false}};
    EXPECT_EQ(seen, expected);
}

TEST(SerialPort, NewNameReopensAnOpenPort) {
    PtyPair first, second;
    SerialPort port;
    std::vector<bool> seen;
    port.SetOpenListener([&](bool open) { seen.push_back(open); });
    port.SetPort(first.slavePath());
    port.Open();
    port.SetPort(second.slavePath());
    EXPECT_TRUE(port.Connected());
    port.WriteBytes(hexBytes("5A"));
    EXPECT_EQ(toHex(second.read(1000, 1)), "5A");
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    port.SetBaudRate(115200); // applied while open
    EXPECT_EQ(port.BaudRate(), 115200);
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
        p.port.WaitForEvent(events, &abort, 3000);
        unplug.join();
        // Some kernels report the hang-up only to the next transfer.
        EXPECT_THROW(p.port.WriteBytes(hexBytes("01")), ComPortError);
    } catch (const ComPortError& e) {
        unplug.join();
        EXPECT_EQ(e.Code(), 21);
    }
}

TEST(SerialPort, ClosedPortRefusesTransfers) {
    SerialPort port;
    TComEvents events = evRxChar;
    EXPECT_THROW(port.WriteBytes(hexBytes("01")), ComPortError);
    EXPECT_THROW(port.WaitForEvent(events, nullptr, 10), ComPortError);
}
