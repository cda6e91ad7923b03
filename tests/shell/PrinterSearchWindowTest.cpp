#include "ModalDriver.h"
#include "common/RegStore.h"
#include "serial/SerialPort.h"
#include "shell/MainWindow.h"
#include "shell/StatusLine.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {
// Enabled state of the toolbar, the five menus (文件 设置 通讯 字模 帮助) and Btn_Search.
QList<bool> controlsEnabled(MainWindow& window) {
    QList<bool> enabled{window.findChild<QToolBar*>("ToolBar1")->isEnabled()};
    for (QAction* menu : window.menuBar()->actions()) enabled << menu->isEnabled();
    enabled << window.findChild<QPushButton*>("Btn_Search")->isEnabled();
    return enabled;
}
// toolbar; 文件 编辑 视图 设置 通讯 字模 帮助; Btn_Search
// (a search turns off the tool bar, 设置, 通讯, 字模 and Btn_Search, nothing else)
const QList<bool> kAllOn{true, true, true, true, true, true, true, true, true};
const QList<bool> kSearching{false, true, true, true, false, false, false, true, false};
} // namespace

TEST(MainWindowSearch, ControlsAreOffWhileTheWorkerRunsAndTheFoundPortIsShown) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")}), printer;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.resize(800, 534);
    ASSERT_EQ(controlsEnabled(window), kAllOn);
    window.startPrinterSearch({silent.devicePath(), printer.devicePath()}, 200);
    EXPECT_TRUE(window.searchRunning());
    EXPECT_EQ(controlsEnabled(window), kSearching);
    auto* notice = window.findChild<QFrame*>("Pnl_Search");
    EXPECT_TRUE(notice->isVisibleTo(&window));
    // (800 - 555) / 2 = 122, (534 - 65 - 70) / 2 = 199 (fractions dropped)
    EXPECT_EQ(notice->geometry(), QRect(122, 199, 555, 65));
    // The button does not start a second search meanwhile.
    QTest::mouseClick(window.findChild<QPushButton*>("Btn_Search"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.searchRunning(); }, 10000));
    EXPECT_EQ(controlsEnabled(window), kAllOn);
    EXPECT_FALSE(notice->isVisibleTo(&window));
    EXPECT_EQ(window.statusLine()->summary(),
              "      " + printer.devicePath() + QStringLiteral(", br57600；模板号：1，长度：512Pels，分辨率：200dpi"));
    EXPECT_EQ(window.statusLine()->message(), QStringLiteral("查找已连接喷码仪成功！"));
    EXPECT_EQ(store.read("Comm", ""), printer.devicePath());
    EXPECT_EQ(silent.received().size(), 3); // one search only
}

TEST(MainWindowSearch, NoPrinterLeavesTheNotFoundSummary) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")});
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    QTest::mouseClick(window.findChild<QPushButton*>("Btn_Search"), Qt::LeftButton); // DAVIDUV_PORTS is empty
    EXPECT_FALSE(window.searchRunning());
    window.startPrinterSearch({silent.devicePath()}, 50);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.searchRunning(); }, 10000));
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      没有找到喷码仪；模板号：1，长度：512Pels，分辨率：200dpi"));
    EXPECT_EQ(window.statusLine()->message(), QStringLiteral("查找已连接喷码仪失败，请检查线路或重新尝试！"));
    EXPECT_EQ(store.read("Comm", "unchanged"), "unchanged");
}

TEST(MainWindowSearch, ClosingTheWindowEndsTheSearchWithinOneQuietPeriod) {
    ScopedStore store;
    PrinterProcess silent({QStringLiteral("--silent")});
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    // Only the close can end tries this long.
    window.startPrinterSearch({silent.devicePath()}, kOnlyTheEventEndsTheWaitMs);
    silent.receivedAtLeast(1);                                                      // the first try is waiting
    ModalDriver noSave([](QWidget* modal) { answer(modal, QMessageBox::Cancel); }); // the save question
    window.close();
    EXPECT_FALSE(window.serialPort().isOpen()); // the worker has ended and closed the port
    EXPECT_LE(silent.received().size(), 3);
}

TEST(MainWindowSearch, TheFirstShowSearchesThePortList) {
    ScopedStore store;
    PrinterProcess printer;
    qputenv("DAVIDUV_PORTS", printer.devicePath().toLocal8Bit());
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    qputenv("DAVIDUV_PORTS", "");
    EXPECT_TRUE(window.searchRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.searchRunning(); }, 10000));
    EXPECT_EQ(store.read("Comm", ""), printer.devicePath());
}
