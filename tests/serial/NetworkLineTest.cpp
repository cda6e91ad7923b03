// A tcp://HOST:PORT port against a server in this test: the same calls as a
// serial line, the lamp following the connection, a hang-up as an error.
#include "serial/SerialPort.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

TEST(NetworkLine, BytesBothWaysLampFollowsTheConnectionHangUpIsAnError) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    SerialPort port;
    std::vector<bool> lamp;
    port.setOpenListener([&](bool open) { lamp.push_back(open); });
    port.setPort(QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort()));
    port.open();
    ASSERT_TRUE(server.waitForNewConnection(5000));
    QTcpSocket* peer = server.nextPendingConnection();

    EXPECT_EQ(port.writeBytes(QByteArray::fromHex("0100B30002B10A")), 7);
    QByteArray got;
    while (got.size() < 7 && peer->waitForReadyRead(5000)) got += peer->readAll();
    EXPECT_EQ(got.toHex(), "0100b30002b10a");

    // An abort set before the wait ends it with no event, bytes or not.
    AbortEvent abort;
    abort.set();
    TComEvents events = evRxChar;
    port.waitForEvent(events, &abort, 5000);
    EXPECT_EQ(events, 0u);

    peer->write(QByteArray::fromHex("0600B3"));
    peer->waitForBytesWritten(5000);
    QByteArray reply;
    while (reply.size() < 3) {
        events = evRxChar;
        port.waitForEvent(events, nullptr, 5000);
        ASSERT_EQ(events, unsigned(evRxChar));
        QByteArray read;
        port.readBytes(read, port.inputCount());
        reply += read;
    }
    EXPECT_EQ(reply.toHex(), "0600b3");

    peer->abort(); // the server hangs up
    events = evRxChar;
    EXPECT_THROW(port.waitForEvent(events, nullptr, 5000), ComPortError);
    port.close();
    EXPECT_EQ(lamp, (std::vector<bool>{true, false}));
}
