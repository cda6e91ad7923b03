#include "StatusBarEx.h"
#include "TComLed.h"
#include "TComPort.h"
#include "TFrm_Flash.h"
#include "TFrm_Main.h"
#include "RegStore.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

TEST(FlashWindow, LayoutAndOneEraseEachPress) {
    std::vector<int> erased;
    TFrm_Flash window([&](int segment) { erased.push_back(segment); });
    EXPECT_EQ(window.windowTitle(), QStringLiteral("擦除FLASH"));
    EXPECT_EQ(window.size(), QSize(264, 138));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("选择预擦除段号"));
    EXPECT_EQ(window.Btn_Send->text(), QStringLiteral("擦除"));
    ASSERT_EQ(window.Comb_Area->count(), 16);
    EXPECT_EQ(window.Comb_Area->itemText(0), QStringLiteral("0段"));
    EXPECT_EQ(window.Comb_Area->itemText(15), QStringLiteral("15段"));
    EXPECT_FALSE(window.Comb_Area->isEditable());
    window.Btn_Send->click(); // unchanged selection: segment 0
    window.Comb_Area->setCurrentIndex(15);
    window.Btn_Send->click();
    window.Btn_Send->click(); // the same segment again is its own erase
    EXPECT_EQ(erased, (std::vector<int>{0, 15, 15}));
}

TEST(MainWindow, LampIsLitExactlyWhileThePortIsOpen) {
    ScopedStore store;
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    QTemporaryDir dir;
    TFrm_Main window(dir.filePath("Config.ini"));
    TComLed* lamp = window.StatusBar()->ComLed1();
    window.ComPort().SetPort(QString::fromLocal8Bit(name));
    EXPECT_FALSE(lamp->isLit());
    window.ComPort().Open();
    EXPECT_TRUE(lamp->isLit());
    window.ComPort().Close();
    EXPECT_FALSE(lamp->isLit());
    ::close(slave);
    ::close(master);
}

TEST(MainWindow, StoredPortAndSpeedReachTheSerialPort) {
    ScopedStore store;
    WriteRegString("Comm", "COM2");
    WriteRegString("Baud", "9600");
    QTemporaryDir dir;
    TFrm_Main window(dir.filePath("Config.ini"));
    EXPECT_EQ(window.ComPort().Port(), "COM2");
    EXPECT_EQ(window.ComPort().BaudRate(), 9600);
    EXPECT_EQ(window.StatusBar()->summary(), QStringLiteral("      COM2, br9600；模板号：1，长度：512Pels，分辨率：200dpi"));
}

TEST(MainWindow, ASpeedOfNoneOfTheThreeLeavesThePortAt57600) {
    ScopedStore store;
    WriteRegString("Baud", "38400");
    QTemporaryDir dir;
    TFrm_Main window(dir.filePath("Config.ini"));
    EXPECT_EQ(window.ComPort().BaudRate(), 57600);
}

TEST(MainWindow, LinkTextsGoToTheMessagePanel) {
    ScopedStore store;
    QTemporaryDir dir;
    TFrm_Main window(dir.filePath("Config.ini"));
    window.ShowMessage(QStringLiteral("正在校正时钟，请稍候......"));
    EXPECT_EQ(window.StatusBar()->message(), QStringLiteral("正在校正时钟，请稍候......"));
}
