#include "common/AppSettings.h"
#include "common/RegStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString writeConfig(QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath("Config.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}
} // namespace

TEST(Startup, NothingStoredGivesTheDefaultsAndWritesNothing) {
    ScopedStore store;
    QTemporaryDir dir;
    const AppSettings s = readStartupSettings(dir.filePath("Config.ini"), store); // no file
    EXPECT_EQ(s.width, 512);
    EXPECT_EQ(s.moBan, 1);
    EXPECT_EQ(s.resolution, "200dpi");
    EXPECT_EQ(s.dpiList, QStringList{"200dpi"});
    EXPECT_EQ(s.maxLength, 20000);
    EXPECT_EQ(s.widthMode, 1);
    EXPECT_EQ(s.comm, "COM1");
    EXPECT_EQ(s.baudText, "57600");
    EXPECT_FALSE(QFile::exists(store.path()));
    EXPECT_EQ(summaryConnected(s.comm, s.baudText, s.moBan, s.width, s.resolution),
              QStringLiteral("      COM1, br57600；模板号：1，长度：512Pels，分辨率：200dpi"));
    // A device server's address stands without a speed: the server sets the line's.
    EXPECT_EQ(summaryConnected("tcp://10.0.0.5:4001", s.baudText, s.moBan, s.width, s.resolution),
              QStringLiteral("      tcp://10.0.0.5:4001；模板号：1，长度：512Pels，分辨率：200dpi"));
    EXPECT_EQ(summaryNotFound(s.moBan, s.width, s.resolution),
              QStringLiteral("      没有找到喷码仪；模板号：1，长度：512Pels，分辨率：200dpi"));
}

TEST(Startup, DpiListFromConfig) {
    ScopedStore store;
    QTemporaryDir dir;
    // Worked by hand from the resolution list rule: keys 1..DpiCount, "200dpi" for a missing key,
    // none when DpiCount is 0 or less, "200dpi" alone without a [Dpi] section.
    struct Row {
        QByteArray config;
        QStringList expected;
    } rows[] = {
        {"[Dpi]\r\nDpiCount=3\r\n1=100dpi\r\n3=400dpi\r\n", {"100dpi", "200dpi", "400dpi"}}, // key 2 missing
        {"[Dpi]\r\nDpiCount=0\r\n1=100dpi\r\n", {}},
        {"[Dpi]\r\nDpiCount=-2\r\n", {}},
        {"[Main]\r\nMaxLength=9000\r\n", {"200dpi"}}, // no Dpi section: one entry
    };
    for (const Row& r : rows) {
        AppSettings s;
        readConfigIni(s, writeConfig(dir, r.config));
        EXPECT_EQ(s.dpiList, r.expected) << r.config.constData();
    }
    AppSettings s;
    // a resolution's number travels in one byte: 255 entries at most, not two thousand million
    readConfigIni(s, writeConfig(dir, "[Dpi]\r\nDpiCount=2000000000\r\n"));
    EXPECT_EQ(s.dpiList.size(), 255);
    readConfigIni(s, writeConfig(dir, "[Main]\r\nMaxLength=9000\r\nMainDpi=2\r\n"));
    EXPECT_EQ(s.maxLength, 9000);
    EXPECT_EQ(s.widthMode, 2);
    EXPECT_FALSE(s.parallelSearch);
    EXPECT_TRUE(s.networkPorts.isEmpty());
    // Device servers are listed by ';', blanks around each and empty items dropped.
    readConfigIni(s, writeConfig(dir, "[Main]\r\nParallelSearch=1\r\n[Ports]\r\n"
                                      "Network=tcp://10.0.0.5:4001; tcp://line2:4001;;\r\n"));
    EXPECT_TRUE(s.parallelSearch);
    EXPECT_EQ(s.networkPorts, (QStringList{"tcp://10.0.0.5:4001", "tcp://line2:4001"}));
}

TEST(Startup, StoredValues) {
    ScopedStore store;
    store.write("Width", " 640 ");
    store.write("Baud", "38400");
    store.write("Zoom", "   ");
    store.write("Comm", "/dev/ttyUSB0");
    store.write("MoBan", "7");
    const QByteArray before = store.contents();
    QTemporaryDir dir;
    const AppSettings s = readStartupSettings(dir.filePath("none.ini"), store);
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.baudText, "38400"); // shown as stored
    EXPECT_FALSE(baudFromText(s.baudText).has_value());
    EXPECT_EQ(s.resolution, "200dpi");
    EXPECT_EQ(s.comm, "/dev/ttyUSB0");
    EXPECT_EQ(s.moBan, 7);
    EXPECT_EQ(store.contents(), before); // start-up writes nothing
}

TEST(Startup, StoredWidthOrNumberThatIsNoWholeNumberFallsBack) {
    ScopedStore store;
    const char* widths[] = {"abc", "12.5", "-40", "0", "99999999"};
    for (const char* w : widths) {
        store.write("Width", w);
        store.write("MoBan", "x1");
        AppSettings s;
        readUserSettings(s, store);
        EXPECT_EQ(s.width, 512) << w;
        EXPECT_EQ(s.moBan, 1) << w;
    }
}

TEST(Startup, StoreReadReturnsTheValueUntrimmed) {
    ScopedStore store;
    store.write("Comm", " COM3 ");
    EXPECT_EQ(store.read("Comm", "COM1"), " COM3 ");
    EXPECT_EQ(store.read("Nothing", "dflt"), "dflt");
}

// Each store is its own file: what one holds another does not read, so two
// windows (or a test beside a search on a worker thread) keep apart. The
// user's store is the file DAVIDUV_STORE names, else the one under the XDG
// configuration folder.
TEST(Startup, StoresAreTheirOwnFilesAndTheUsersFollowsTheEnvironment) {
    ScopedStore first, second;
    first.write("Comm", "/dev/ttyS1");
    EXPECT_EQ(second.read("Comm", "none"), "none");
    EXPECT_FALSE(QFile::exists(second.path()));
    readStartupSettings(QString(), second); // reading creates nothing
    EXPECT_FALSE(QFile::exists(second.path()));

    QTemporaryDir home;
    {
        const ScopedEnv named("DAVIDUV_STORE", first.path().toLocal8Bit());
        EXPECT_EQ(RegStore::user().read("Comm", "none"), "/dev/ttyS1");
    }
    const ScopedEnv none("DAVIDUV_STORE", std::nullopt);
    const ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    EXPECT_EQ(RegStore::user().filePath(), home.filePath("Tessavo/daviduv.ini"));
}

TEST(Startup, BaudTexts) {
    EXPECT_EQ(baudFromText("9600"), 9600);
    EXPECT_EQ(baudFromText("57600"), 57600);
    EXPECT_EQ(baudFromText("115200"), 115200);
    EXPECT_EQ(baudFromText("115200 "), std::nullopt);
    EXPECT_EQ(baudFromText("38400"), std::nullopt);
}

TEST(Startup, ConfigBesideTheProgramComesBeforeTheSystemWideOne) {
    QTemporaryDir program, etc;
    const QString beside = program.filePath("Config.ini"), system = etc.filePath("Config.ini");
    EXPECT_EQ(chooseConfigIni(beside, system), beside); // neither: the defaults, read from the absent file
    writeConfig(etc, "[Main]\r\nMaxLength=7000\r\n");
    EXPECT_EQ(chooseConfigIni(beside, system), system); // an installed program has none beside it
    AppSettings s;
    readConfigIni(s, chooseConfigIni(beside, system));
    EXPECT_EQ(s.maxLength, 7000);
    writeConfig(program, "[Main]\r\nMaxLength=9000\r\n");
    EXPECT_EQ(chooseConfigIni(beside, system), beside);
}
