// The recovery copy: written after undo steps at most once per interval, and
// a real editor killed with SIGKILL is restored by the next one.
#include "EditorHarness.h"
#include "ModalDriver.h"
#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "shell/FieldClipboard.h"
#include "shell/RecoveryCopy.h"
#include "shell/TemplateCommands.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {
QByteArray copyBytes() {
    return readFile(RecoveryCopy::folder() + "/template.spt");
}

// Answers the recovery question and the save dialog (saving to target).
struct Answers {
    QString target, question, proposed;
    ModalDriver driver{[this](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            proposed = dialog->selectedFiles().value(0);
            dialog->selectFile(target); // in place of the proposal
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->windowTitle() + "|" + box->text();
        box->button(QMessageBox::Yes)->click();
    }};
};

// A run of a built program that stops it when the test ends.
struct Program : QProcess {
    ~Program() override {
        kill();
        waitForFinished();
    }
};
} // namespace

TEST(RecoveryCopy, WrittenAfterAStepThenAtMostOncePerInterval) {
    Editor e;
    RecoveryCopy* copy = e.window.recoveryCopy();
    copy->setInterval(60000);
    e.place("SpedBtn_Str", {10, 10});
    const QByteArray first = copyBytes();
    EXPECT_TRUE(first.contains("ControlCaption=csStr0")); // at once after the first step
    e.place("SpedBtn_Str", {10, 60});
    EXPECT_EQ(copyBytes(), first); // the interval is not over
    copy->setInterval(0);          // restarts the waiting write: it ends at once
    QTest::qWait(0);
    EXPECT_TRUE(copyBytes().contains("ControlCaption=csStr0/csStr1"));
    copy->remove();
}

TEST(RecoveryCopy, AKilledEditorIsRestoredAndSavesWhatItWouldHaveSaved) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    if (xvfb.isEmpty() || xdotool.isEmpty()) GTEST_SKIP() << "needs Xvfb and xdotool (scripts/setup.sh)";
    ScopedStore store;
    QTemporaryDir dir;
    const QString original = dir.filePath("original.spt");
    writeFile(original,
              "[Main]\r\nControlCount=1\r\nControlCaption=csBarCode0\r\n[csBarCode0]\r\nConStyle=csBarCode\r\n"
              "BarCodeType=4\r\nRotation=0\r\nModuleWidth=1\r\nHeightPercent=85\r\nBarCodeValue=ABC\r\n"
              "Humanreadable=1\r\nLeft=30\r\nTop=30\r\n");
    // What the editor saves after copying and pasting the opened barcode.
    Answers answers;
    answers.target = dir.filePath("expected.spt");
    {
        MainWindow window(dir.filePath("Config.ini"), store);
        openTemplateFile(window, original);
        window.fieldClipboard()->copy();
        window.fieldClipboard()->paste();
        ASSERT_TRUE(saveTemplateWithDialog(window));
    }
    const QByteArray expected = readFile(answers.target);
    ASSERT_NE(expected, readFile(original));

    // The real editor on a virtual X display: it opens the file, takes Ctrl+C
    // Ctrl+V, writes its recovery copy and is killed.
    Program display;
    display.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    ASSERT_TRUE(display.waitForReadyRead(60000));
    const QString x = ":" + QString::fromLatin1(display.readLine()).trimmed();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", x);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DAVIDUV_STORE", dir.filePath("store.ini"));
    Program editor;
    editor.setProcessEnvironment(env);
    editor.start(DAVIDUV_BIN_DIR "/daviduv", {original});
    Program find;
    find.setProcessEnvironment(env);
    find.start(xdotool, {"search", "--sync", "--name", "Dravo"});
    ASSERT_TRUE(find.waitForFinished(60000));
    const QString id = QString::fromLatin1(find.readLine()).trimmed();
    Program keys;
    keys.setProcessEnvironment(env);
    keys.start(xdotool, {"windowfocus", "--sync", id, "key", "ctrl+c", "ctrl+v"});
    ASSERT_TRUE(keys.waitForFinished(60000));
    ASSERT_EQ(keys.exitCode(), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return copyBytes().contains("csBarCode1"); }, 60000));
    editor.kill(); // SIGKILL
    ASSERT_TRUE(editor.waitForFinished());

    MainWindow next(dir.filePath("Config.ini"), store);
    answers.target = dir.filePath("restored.spt");
    ASSERT_TRUE(offerRecovery(next));
    EXPECT_EQ(answers.question, QStringLiteral("提示|检测到未保存的模板，是否恢复？"));
    EXPECT_FALSE(copyBytes().isEmpty()); // kept until the restored work is saved
    ASSERT_TRUE(saveTemplateWithDialog(next));
    EXPECT_EQ(answers.proposed, original); // 保存 proposes where the template came from
    EXPECT_EQ(readFile(answers.target), expected);
    EXPECT_TRUE(copyBytes().isEmpty());
}
