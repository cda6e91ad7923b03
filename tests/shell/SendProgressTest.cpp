// A send runs on the worker thread behind the progress window: the window's
// thread keeps running during a silent printer, and 取消 ends the send.
#include "EditorHarness.h"

#include "serial/SerialPort.h"
#include "shell/ProgressDialog.h"
#include "shell/StatusLine.h"
#include "shell/WorkWithProgress.h"
#include "support/PrinterProcess.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(SendProgress, CancelEndsASendToASilentPrinterAndNothingClaimsSuccess) {
    PrinterProcess silent({QStringLiteral("--silent")});
    Editor e;
    e.window.serialPort().setPort(silent.devicePath());
    e.window.setQuietMs(600000); // only the cancel ends the wait for the first frame's answer
    e.place("SpedBtn_Str", {10, 10});

    QStringList boxes;
    int fired = 0; // ticks of a timer of the window's thread while the printer is silent
    bool cancelled = false;
    QString frameText, statusText;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog || cancelled || dialog->progress().bytesWritten() == 0) return; // the first frame is out
        if (++fired < 5 || dialog->ticks() < 2) return;
        frameText = dialog->findChild<QLabel*>("Lbl_Frame")->text();
        statusText = dialog->findChild<QLabel*>("Lbl_Status")->text();
        EXPECT_TRUE(e.window.serialPort().isOpen());
        QTest::mouseClick(dialog->findChild<QPushButton*>("Btn_Cancel"), Qt::LeftButton);
        cancelled = true;
    });
    watch.start(5);
    e.window.findChild<QAction*>("Act_Send")->trigger();

    EXPECT_TRUE(cancelled);
    EXPECT_EQ(frameText, QStringLiteral("第 1 / 7 帧")); // 3 background chunks, 4 settings frames
    EXPECT_EQ(statusText, QStringLiteral("正在发送背景数据信息，请稍候......"));
    EXPECT_EQ(e.window.statusLine()->message(), cancelledText(QStringLiteral("发送数据")));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    EXPECT_FALSE(e.window.serialPort().isOpen()); // closed when the transaction ended
    EXPECT_EQ(e.window.findChild<ProgressDialog*>("Dlg_Progress"), nullptr);
}

TEST(SendProgress, APortErrorOnTheWorkerReachesTheErrorBox) {
    const QString missing = QStringLiteral("/dev/no-such-printer-port");
    QString expected; // what the port itself says when it cannot be opened
    try {
        SerialPort port;
        port.setPort(missing);
        port.open();
    } catch (const ComPortError& error) {
        expected = error.text();
    }
    ASSERT_FALSE(expected.isEmpty());
    Editor e;
    e.window.serialPort().setPort(missing);
    BoxAnswer ok(QMessageBox::Ok);
    e.window.setClockFromComputer(); // 通讯/校正时间
    ASSERT_EQ(ok.seen.size(), 1u);
    EXPECT_EQ(ok.seen[0].text, expected);
    EXPECT_EQ(e.window.findChild<ProgressDialog*>("Dlg_Progress"), nullptr);
}
