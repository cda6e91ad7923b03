#include "shell/MainWindow.h"
#include "ModalDriver.h"
#include "common/RegStore.h"
#include "shell/CanvasArea.h"
#include "shell/ConnectionLamp.h"
#include "shell/Ruler.h"
#include "shell/StartUp.h"
#include "shell/StatusLine.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

namespace {
QString missingConfig(QTemporaryDir& dir) {
    return dir.filePath("Config.ini");
}
} // namespace

TEST(MainWindow, DefaultStartShowsTheConnectedSummary) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(missingConfig(dir), store);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dravo喷码编辑系统"));
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      COM1, br57600；模板号：1，长度：512Pels，分辨率：200dpi"));
    EXPECT_EQ(window.statusLine()->message(), QString());
    EXPECT_FALSE(window.statusLine()->connectionLamp()->isLit());
    EXPECT_FALSE(QFile::exists(store.path())); // start-up writes nothing
}

TEST(MainWindow, StoredWidthSizesCanvasPanelScrollRangeAndRuler) {
    ScopedStore store;
    store.write("Width", " 640 ");
    store.write("Baud", "38400");
    const QByteArray before = store.contents();
    QTemporaryDir dir;
    MainWindow window(missingConfig(dir), store);
    CanvasArea* area = window.canvasArea();
    EXPECT_EQ(area->canvasPicture()->width(), 640);
    EXPECT_EQ(area->canvasPicture()->height(), 128);
    EXPECT_EQ(area->canvasPicture()->pos(), QPoint(21, 21));
    EXPECT_EQ(area->Pnl_Main()->width(), 682);
    EXPECT_EQ(area->widget()->width(), 802); // the horizontal scroll range
    EXPECT_EQ(area->rulerPicture()->width(), 680);
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      COM1, br38400；模板号：1，长度：640Pels，分辨率：200dpi"));
    EXPECT_EQ(store.contents(), before);
}

TEST(MainWindow, CanvasIsWhiteInsideAOneDotBorder) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(missingConfig(dir), store);
    const QImage canvas = window.canvasArea()->canvasPicture()->grab().toImage();
    ASSERT_EQ(canvas.size(), QSize(512, 128));
    // Worked by hand: a one-dot black border round the white 512 x 128 canvas.
    const struct {
        int x, y;
        QRgb colour;
    } dots[] = {{0, 0, 0xFF000000}, {511, 64, 0xFF000000},  {200, 127, 0xFF000000},
                {1, 1, 0xFFFFFFFF}, {510, 126, 0xFFFFFFFF}, {256, 64, 0xFFFFFFFF}};
    for (const auto& d : dots) EXPECT_EQ(canvas.pixel(d.x, d.y), d.colour) << d.x << "," << d.y;
}

TEST(MainWindow, StringFontListDropsThePrinterFacesAndAddsItsOwn) {
    EXPECT_EQ(stringFieldFontList({"A", "Dot Matrix", "B", "Dots All For Now JL"}),
              (QStringList{"A", "B", "岱霖字体2"}));
    EXPECT_EQ(stringFieldFontList({"A"}), (QStringList{"A", "岱霖字体2"}));
}

TEST(StatusLine, WorkerThreadWritesReachTheWindowThread) {
    StatusLine bar;
    QThread* worker = QThread::create([&bar] {
        bar.showSummary(QStringLiteral("      没有找到喷码仪；模板号：1，长度：512Pels，分辨率：200dpi"));
        bar.showMessage(QStringLiteral("正在查找已连接喷码仪，请稍候......"));
        bar.connectionLamp()->setLit(true);
    });
    worker->start();
    worker->wait();
    delete worker;
    EXPECT_EQ(bar.summary(), QString()); // not yet: queued to this thread
    QCoreApplication::processEvents();
    EXPECT_EQ(bar.message(), QStringLiteral("正在查找已连接喷码仪，请稍候......"));
    EXPECT_TRUE(bar.summary().startsWith(QStringLiteral("      没有找到喷码仪")));
    EXPECT_TRUE(bar.connectionLamp()->isLit());
}

// The desktop's shortcuts run the commands of the menus they stand in: each key
// pressed on the main window triggers its action once (the old window had
// none); a dialog a command opens is cancelled and named by its class.
TEST(MainWindow, StandardShortcutsRunTheirMenuCommands) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(missingConfig(dir), store);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QStringList dialogs;
    ModalDriver driver([&dialogs](QWidget* modal) {
        dialogs << QString::fromLatin1(modal->metaObject()->className());
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    // Qt's standard keys on Linux (QKeySequence::New, Open, Save, Print, HelpContents).
    const struct {
        const char* action;
        QKeyCombination key;
        const char* dialog; // the modal window the command opens, if any
    } rows[] = {
        {"Act_New", Qt::CTRL | Qt::Key_N, ""},
        {"Act_Open", Qt::CTRL | Qt::Key_O, "TemplateFileDialog"},
        {"Act_Save", Qt::CTRL | Qt::Key_S, "TemplateFileDialog"},
        {"Act_PrintPreview", Qt::CTRL | Qt::Key_P, ""},
        {"Act_Help", QKeyCombination(Qt::Key_F1), "HelpDialog"},
    };
    for (const auto& row : rows) {
        auto* action = window.findChild<QAction*>(row.action);
        ASSERT_NE(action, nullptr) << row.action;
        QSignalSpy triggered(action, &QAction::triggered);
        dialogs.clear();
        window.activateWindow(); // back from the dialog the row before opened
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, row.key.key(), row.key.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << row.action;
        EXPECT_EQ(dialogs.join(','), QString::fromLatin1(row.dialog)) << row.action;
    }
    // 发送 and 查找 would reach for a serial port: their keys are checked as
    // the menu shows them.
    for (const auto& [name, key] : {std::pair{"Act_Send", Qt::Key_F5}, std::pair{"Act_Search", Qt::Key_F6}}) {
        auto* action = window.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->shortcut(), QKeySequence(key)) << name;
    }
}
