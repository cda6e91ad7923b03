#include "shell/BarcodeSendPrompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
const BarcodeCheck kReadable{"ControlNo1", "CODE39", "ABC", "ABC", BarcodeVerdict::Readable};
const BarcodeCheck kUnreadable{"ControlNo2", "EAN_13", "6901234567892", "", BarcodeVerdict::Unreadable};
const BarcodeCheck kMsi{"ControlNo3", "MSI_Plessey", "12344", "", BarcodeVerdict::NotVerifiable};

// Presses the button of the prompt once it is up; returns what the prompt said.
QString answerPrompt(QMessageBox::StandardButton button, bool& sent, const QList<BarcodeCheck>& checks) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->objectName(), "BarcodeSendPrompt");
        shown = box->text();
        box->button(button)->click();
    });
    sent = confirmBarcodesBeforeSend(nullptr, checks);
    return shown;
}
} // namespace

TEST(BarcodeSendPrompt, OkSendsCancelDoesNotAndReadableBarcodesAskNothing) {
    EXPECT_TRUE(confirmBarcodesBeforeSend(nullptr, {kReadable, kMsi})); // no prompt: nothing unreadable
    bool sent = false;
    const QString text = answerPrompt(QMessageBox::Cancel, sent, {kReadable, kUnreadable, kMsi});
    EXPECT_FALSE(sent);
    EXPECT_EQ(text, QStringLiteral("条码在当前分辨率下无法识别，仍要发送吗？\n\nControlNo2（EAN_13：6901234567892）"));
    answerPrompt(QMessageBox::Ok, sent, {kUnreadable});
    EXPECT_TRUE(sent);
}
