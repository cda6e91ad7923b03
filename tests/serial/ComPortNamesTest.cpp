#include "serial/ComPortError.h"
#include "serial/PortNames.h"

#include <gtest/gtest.h>

// COMn names the n-th serial device (COM1 is /dev/ttyS0); anything else is a
// device path and passes unchanged.
TEST(PortNames, MapsComNamesToSerialDevices) {
    struct Row {
        const char* name;
        const char* device;
    };
    // Worked by hand from the naming rule: COM1..COM256 (any case, no leading zeros) are
    // /dev/ttyS0..255.
    const Row rows[] = {
        {"COM1", "/dev/ttyS0"},
        {"COM3", "/dev/ttyS2"},
        {"COM256", "/dev/ttyS255"},
        {"com2", "/dev/ttyS1"}, // as the store may hold it
        {"COM0", "COM0"},       // no such serial number
        {"COM257", "COM257"},
        {"COM01", "COM01"},
        {"COM", "COM"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/7", "/dev/pts/7"},
    };
    for (const Row& r : rows) EXPECT_EQ(portDevicePath(QString::fromLatin1(r.name)), QLatin1String(r.device)) << r.name;
}

// tcp://HOST:PORT names a device server; anything else is no network address.
TEST(PortNames, NetworkAddresses) {
    struct Row {
        const char* name;
        const char* host; // nullptr: not an address
        int port;
    };
    // Worked by hand from the address form tcp://HOST:PORT (any case, [IPv6], port 1 to 65535).
    const Row rows[] = {
        {"tcp://10.0.0.5:4001", "10.0.0.5", 4001},
        {"TCP://line2.plant:2000", "line2.plant", 2000},
        {"tcp://[::1]:4001", "::1", 4001},
        {"tcp://10.0.0.5", nullptr, 0},       // no port
        {"tcp://10.0.0.5:0", nullptr, 0},     // port 0 is no server's
        {"tcp://10.0.0.5:70000", nullptr, 0}, // beyond 16 bits
        {"tcp://10.0.0.5:4001/x", nullptr, 0},
        {"tcp://:4001", nullptr, 0},
        {"/dev/ttyUSB0", nullptr, 0},
    };
    for (const Row& r : rows) {
        const std::optional<NetworkAddress> address = networkAddress(QString::fromLatin1(r.name));
        ASSERT_EQ(address.has_value(), r.host != nullptr) << r.name;
        if (!address) continue;
        EXPECT_EQ(address->host, QLatin1String(r.host)) << r.name;
        EXPECT_EQ(address->port, r.port) << r.name;
    }
}

// Texts of the error table; the number follows in the platform's own words.
TEST(ComPortErrorText, CodeTextAndNumber) {
    struct Row {
        int code;
        int osError;
        const char* message;
    };
    // The serial port's error texts by code, with " (win error code: %d)" when there is a platform error.
    const Row rows[] = {
        {1, 2, "Unable to open com port (win error code: 2)"},
        {2, 5, "WriteFile function failed (win error code: 5)"},
        {7, 22, "SetCommState function failed (win error code: 22)"},
        {20, 0, "Cannot wait for event if event thread is created"},
        {21, 0, "WaitForEvent method failed"},
        {23, 0, "Registry error"},
    };
    for (const Row& r : rows) {
        const ComPortError e(r.code, r.osError);
        EXPECT_STREQ(e.what(), r.message);
        EXPECT_EQ(e.code(), r.code);
        EXPECT_EQ(e.OsError(), r.osError);
    }
    EXPECT_TRUE(comErrorText(0).isEmpty());
    EXPECT_TRUE(comErrorText(24).isEmpty());
}
