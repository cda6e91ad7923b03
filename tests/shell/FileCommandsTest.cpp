#include "ModalDriver.h"
#include "common/Gbk.h"
#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"
#include "shell/CanvasArea.h"
#include "shell/EditHistory.h"
#include "shell/FieldLayer.h"
#include "shell/MainWindow.h"
#include "shell/StatusLine.h"
#include "shell/TemplateFileDialog.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

QAction* fileItem(MainWindow& window, const QString& item) {
    for (QAction* a : window.menuBar()->actions().constFirst()->menu()->actions())
        if (a->text() == item) return a;
    return nullptr;
}

// Chooses path in the file dialog as a typed name and confirms it; preview
// gets what the preview pane showed then.
void choose(QWidget* modal, const QString& path, QString* preview = nullptr) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_TRUE(dialog) << modal->metaObject()->className();
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("spt配置文档(*.spt)")});
    dialog->setDirectory(QFileInfo(path).absolutePath());
    dialog->selectFile(QFileInfo(path).fileName());
    if (preview) *preview = dialog->findChild<QPlainTextEdit*>("Preview")->toPlainText();
    static_cast<QDialog*>(dialog)->accept();
}

} // namespace

TEST(FileCommands, OpenThenSaveThroughTheDialogsGivesTheSavedBytes) {
    ScopedStore store;
    QTemporaryDir dir;
    MessageTemplate source;
    placeField(source, csStr, 10, 5);
    placeField(source, csDate, 100, 40);
    const TemplateAttributes attributes{700, 128, 9, "300dpi"};
    const QString original = dir.filePath("original.spt");
    saveTemplate(source, attributes, original);

    MainWindow window(dir.filePath("Config.ini"), store);
    {
        QString preview;
        ModalDriver driver([&](QWidget* modal) { choose(modal, original, &preview); });
        fileItem(window, "打开")->trigger();
        EXPECT_EQ(preview, gbk::decode(readFile(original)).remove(QChar('\r'))); // the pane shows lines
    }
    EXPECT_EQ(window.messageTemplate().count(), 2);
    // the string's frame corner on the canvas: its template point (10, 5) + 21
    const auto cornerShown = [&] { return window.canvasArea()->Pnl_Main()->grab().toImage().pixelColor(31, 26); };
    EXPECT_EQ(cornerShown(), QColor(Qt::black));
    EXPECT_EQ(window.messageTemplate().selectedElement(), window.messageTemplate().find(1)); // the last one
    EXPECT_EQ(window.canvasArea()->canvasPicture()->width(), 700);
    EXPECT_EQ(store.read("MoBan", ""), QStringLiteral("9"));
    EXPECT_EQ(store.read("Zoom", ""), QStringLiteral("300dpi"));
    EXPECT_EQ(store.read("Width", ""), QStringLiteral("700"));
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      COM1, br57600；模板号：9，长度：700Pels，分辨率：300dpi"));
    {
        ModalDriver driver([&](QWidget* modal) { choose(modal, dir.filePath("copy")); }); // typed without .spt
        fileItem(window, "保存")->trigger();
    }
    EXPECT_EQ(readFile(dir.filePath("copy.spt")), readFile(original));

    fileItem(window, "新建")->trigger();
    EXPECT_EQ(window.messageTemplate().count(), 0);
    EXPECT_EQ(cornerShown(), QColor(Qt::white));
    EXPECT_EQ(window.canvasArea()->canvasPicture()->width(), 700); // New keeps the canvas
}

TEST(FileCommands, CloseWhoseSaveFailsKeepsTheWindowOpen) {
    ScopedStore store;
    QTemporaryDir dir;
    // a folder where the file should go: the finished file cannot be put in place
    const QString blocked = dir.filePath("blocked.spt");
    ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    QStringList boxes;
    ModalDriver driver([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("blocked.spt"));
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted); // accept() would step into the folder
            return;
        }
        boxes << answer(modal, QMessageBox::Ok);
    });
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0], QStringLiteral("是否将改动保存到文件? "));
    // Under the message, the system's reason the save itself gives.
    QString reason;
    try {
        saveTemplate(MessageTemplate(), {}, blocked);
    } catch (const TemplateFileError& e) {
        reason = e.reason();
    }
    ASSERT_FALSE(reason.isEmpty());
    EXPECT_EQ(boxes[1], QStringLiteral("Unable to write to %1\n").arg(blocked) + reason);
    EXPECT_TRUE(QFileInfo(blocked + "/inside").isDir());
}

TEST(FileCommands, CloseAnsweredCancelClosesWithoutSaving) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    ModalDriver driver([&](QWidget* modal) { answer(modal, QMessageBox::Cancel); });
    EXPECT_TRUE(window.close());
}

TEST(TemplateFileDialog, NamesGetTheSuffixAndThePreviewShowsGbkText) {
    EXPECT_EQ(withSptSuffix("/t/a"), QStringLiteral("/t/a.spt"));
    EXPECT_EQ(withSptSuffix("/t/a.SPT"), QStringLiteral("/t/a.SPT"));
    EXPECT_EQ(withSptSuffix("/t/a.txt"), QStringLiteral("/t/a.txt.spt"));
    QTemporaryDir dir;
    const QString path = dir.filePath("p.spt");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[csStr0]\r\nUserValue=\xC9\xFA\xB2\xFA\r\n"); // GBK of 生产 (GB 2312 table: C9FA B2FA)
    f.close();
    EXPECT_EQ(previewText(path), QStringLiteral("[csStr0]\r\nUserValue=生产\r\n"));
    EXPECT_EQ(previewText(dir.path()), QString());
}

TEST(FileCommands, PlacedFieldsComeBackAfterSaveNewAndOpen) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    MessageTemplate& model = window.messageTemplate();
    QWidget* surface = window.canvasArea()->fieldLayer();
    const auto place = [&](const char* kind, QPoint canvasPoint) {
        QTest::mouseClick(window.findChild<QToolButton*>(kind), Qt::LeftButton);
        QTest::mousePress(surface, Qt::LeftButton, {}, canvasPoint + QPoint(21, 21));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, canvasPoint + QPoint(21, 21));
    };
    place("SpedBtn_Str", {10, 5});
    place("SpedBtn_Date", {100, 60});
    QLineEdit* x = window.findChild<QLineEdit*>("EdtDate_X");
    x->selectAll();
    QTest::keyClicks(x, "200");
    ASSERT_EQ(model.count(), 2);
    const QString path = dir.filePath("day.spt");
    {
        ModalDriver driver([&](QWidget* modal) { choose(modal, path); });
        fileItem(window, "保存")->trigger();
    }
    fileItem(window, "新建")->trigger();
    ASSERT_EQ(model.count(), 0);
    {
        ModalDriver driver([&](QWidget* modal) { choose(modal, path); });
        fileItem(window, "打开")->trigger();
    }
    ASSERT_EQ(model.count(), 2);
    // renumbered in file order; positions as placed and typed, in template dots
    EXPECT_EQ(model.find(0)->kind(), csStr);
    EXPECT_EQ(model.find(0)->Left(), 10 + 21);
    EXPECT_EQ(model.find(0)->Top(), 5 + 21);
    EXPECT_EQ(model.find(1)->kind(), csDate);
    EXPECT_EQ(model.find(1)->Left(), 200 + 21);
    EXPECT_EQ(model.find(1)->Top(), 60 + 21);
}

TEST(FileCommands, TextGbkCannotHoldIsWrittenAsQuestionMarkOnlyWhenAgreed) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    placeField(window.messageTemplate(), csStr, 0, 0).asField()->SetUserValue(QStringLiteral("A😀B"));
    // Worked by hand: GBK has no 😀, so the line is written with "?" only once the operator agrees.
    const struct {
        QMessageBox::StandardButton answer;
        const char* name;
        QByteArray line; // the value line written; empty: no file
    } cases[] = {{QMessageBox::Cancel, "kept.spt", {}}, {QMessageBox::Ok, "lossy.spt", "UserValue=A?B\r\n"}};
    for (const auto& c : cases) {
        QStringList asked;
        ModalDriver driver([&](QWidget* modal) {
            if (qobject_cast<QFileDialog*>(modal)) {
                choose(modal, dir.filePath(c.name));
            } else {
                asked << answer(modal, c.answer);
            }
        });
        fileItem(window, "保存")->trigger();
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked[0].contains("：字符串（X 0，Y 0）\n")) << asked[0].toStdString(); // as the operator sees it
        EXPECT_EQ(QFile::exists(dir.filePath(c.name)), !c.line.isEmpty());
        if (!c.line.isEmpty()) {
            EXPECT_TRUE(readFile(dir.filePath(c.name)).contains(c.line));
        }
    }
}

// New and Open are undo steps that bring the template they replaced back
// whole; a file whose last field is a barcode opens with the barcode panel
// filled, New brings the main panel back.
TEST(FileCommands, NewAndOpenAreUndoneWholeAndShowTheRightPanel) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    QTest::mouseClick(window.findChild<QToolButton*>("SpedBtn_BarCode"), Qt::LeftButton);
    QWidget* surface = window.canvasArea()->fieldLayer();
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(30 + 21, 4 + 21));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(30 + 21, 4 + 21));
    const QString path = dir.filePath("bar.spt");
    {
        ModalDriver driver([&](QWidget* modal) { choose(modal, path); });
        fileItem(window, "保存")->trigger();
    }
    EXPECT_FALSE(window.isModified());
    const QByteArray saved = templateFileBytes(window.messageTemplate(), {});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier); // 新建
    EXPECT_EQ(window.messageTemplate().count(), 0);
    EXPECT_TRUE(window.findChild<QWidget*>("GrpBox_Main")->isVisible());
    EXPECT_FALSE(window.findChild<QWidget*>("GrpBox_BarCode")->isVisible());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); // the barcode is back, selected
    EXPECT_EQ(templateFileBytes(window.messageTemplate(), {}), saved);
    EXPECT_EQ(window.messageTemplate().selectedElement(), window.messageTemplate().find(0));
    EXPECT_TRUE(window.findChild<QWidget*>("GrpBox_BarCode")->isVisible());
    fileItem(window, "新建")->trigger();
    {
        ModalDriver driver([&](QWidget* modal) { choose(modal, path); });
        fileItem(window, "打开")->trigger();
    }
    EXPECT_FALSE(window.isModified());
    EXPECT_TRUE(window.findChild<QWidget*>("GrpBox_BarCode")->isVisible());
    EXPECT_EQ(window.findChild<QLineEdit*>("EdtBarCode_X")->text(), "30");
    window.editHistory()->stack()->undo(); // back to the empty template 新建 left
    EXPECT_EQ(window.messageTemplate().count(), 0);
    EXPECT_TRUE(window.isModified());
}
