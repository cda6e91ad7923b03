#include "common/RegStore.h"
#include "serial/SerialPort.h"
#include "shell/ConnectionLamp.h"
#include "shell/FlashEraseDialog.h"
#include "shell/MainWindow.h"
#include "shell/StatusLine.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

TEST(FlashWindow, LayoutAndOneEraseEachPress) {
    std::vector<int> erased;
    FlashEraseDialog window([&](int segment) { erased.push_back(segment); });
    EXPECT_EQ(window.windowTitle(), QStringLiteral("擦除FLASH"));
    EXPECT_EQ(window.size(), QSize(264, 138));
    EXPECT_EQ(window.segmentLabel->text(), QStringLiteral("选择预擦除段号"));
    EXPECT_EQ(window.eraseButton->text(), QStringLiteral("擦除"));
    ASSERT_EQ(window.segmentList->count(), 16);
    EXPECT_EQ(window.segmentList->itemText(0), QStringLiteral("0段"));
    EXPECT_EQ(window.segmentList->itemText(15), QStringLiteral("15段"));
    EXPECT_FALSE(window.segmentList->isEditable());
    window.eraseButton->click(); // unchanged selection: segment 0
    window.segmentList->setCurrentIndex(15);
    window.eraseButton->click();
    window.eraseButton->click(); // the same segment again is its own erase
    EXPECT_EQ(erased, (std::vector<int>{0, 15, 15}));
}

TEST(MainWindow, LampIsLitExactlyWhileThePortIsOpen) {
    ScopedStore store;
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    ConnectionLamp* lamp = window.statusLine()->connectionLamp();
    window.serialPort().setPort(QString::fromLocal8Bit(name));
    EXPECT_FALSE(lamp->isLit());
    window.serialPort().open();
    EXPECT_TRUE(lamp->isLit());
    window.serialPort().close();
    EXPECT_FALSE(lamp->isLit());
    ::close(slave);
    ::close(master);
}

TEST(MainWindow, StoredPortAndSpeedReachTheSerialPort) {
    ScopedStore store;
    store.write("Comm", "COM2");
    store.write("Baud", "9600");
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    EXPECT_EQ(window.serialPort().port(), "COM2");
    EXPECT_EQ(window.serialPort().baudRate(), 9600);
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      COM2, br9600；模板号：1，长度：512Pels，分辨率：200dpi"));
}

TEST(MainWindow, ASpeedOfNoneOfTheThreeLeavesThePortAt57600) {
    ScopedStore store;
    store.write("Baud", "38400");
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    EXPECT_EQ(window.serialPort().baudRate(), 57600);
}

TEST(MainWindow, LinkTextsGoToTheMessagePanel) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.showMessage(QStringLiteral("正在校正时钟，请稍候......"));
    EXPECT_EQ(window.statusLine()->message(), QStringLiteral("正在校正时钟，请稍候......"));
}
