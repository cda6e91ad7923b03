// The main window's desktop habits and honest status line: recent files,
// dropped files, remembered geometry, dialog frames, the range answers of
// 模板属性, the summary's tooltip and the message panel's latest outcome.
#include "EditorHarness.h"
#include "ModalDriver.h"
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"
#include "serial/SerialPort.h"
#include "shell/DesktopHabits.h"
#include "shell/DialogFrame.h"
#include "shell/EditHistory.h"
#include "shell/HelpDialog.h"
#include "shell/RecentFiles.h"
#include "shell/StatusLine.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QTextBrowser>
#include <QUndoStack>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
QAction* item(MainWindow& w, const char* menu, const char* text) {
    for (QAction* m : w.menuBar()->actions())
        if (m->text() == QString::fromUtf8(menu))
            for (QAction* a : m->menu()->actions())
                if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}

// A template file with one string field at template x.
QString templateAt(QTemporaryDir& dir, const char* name, int x) {
    MessageTemplate t;
    placeField(t, csStr, x, 0);
    const QString path = dir.filePath(QString::fromLatin1(name));
    saveTemplate(t, TemplateAttributes{}, path);
    return path;
}

// Drops the files on the window as a file manager would.
void drop(MainWindow& window, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &dropped);
}

QStringList recentEntries(MainWindow& window) {
    QMenu* recent = window.findChild<QMenu*>("Menu_Recent");
    emit recent->aboutToShow();
    QStringList texts;
    for (QAction* a : recent->actions()) texts << a->text();
    return texts;
}
} // namespace

TEST(DesktopHabits, RecentFilesDropsAndAMissingFileLeavesTheList) {
    Editor e;
    const QString first = templateAt(e.dir, "first.spt", 10);
    const QString second = templateAt(e.dir, "second.spt", 40);
    e.window.show();
    drop(e.window, {QUrl::fromLocalFile(e.dir.filePath("notes.txt"))}); // not a template: nothing
    EXPECT_EQ(e.model.count(), 0);
    drop(e.window, {QUrl::fromLocalFile(first)});
    ASSERT_EQ(e.model.count(), 1);
    EXPECT_EQ(e.model.find(0)->templatePos().x(), 10);
    EXPECT_FALSE(e.window.isModified());
    e.place("SpedBtn_Date", {400, 90}); // a change, clear of the string field: the next drop asks first
    ASSERT_TRUE(e.window.isModified());
    {
        QStringList asked;
        ModalDriver driver([&](QWidget* modal) { asked << answer(modal, QMessageBox::Cancel); });
        drop(e.window, {QUrl::fromLocalFile(second)});
        EXPECT_EQ(asked, QStringList{QStringLiteral("是否将改动保存到文件? ")});
    }
    EXPECT_EQ(e.model.find(0)->templatePos().x(), 40);
    EXPECT_EQ(recentEntries(e.window), (QStringList{"&1 " + second, "&2 " + first}));
    QFile::remove(first);
    EXPECT_EQ(recentEntries(e.window), QStringList{"&1 " + second});
    EXPECT_EQ(RecentFiles::list(e.store), QStringList{second});              // gone from the stored list too
    e.window.findChild<QMenu*>("Menu_Recent")->actions().first()->trigger(); // unchanged: no question
    EXPECT_EQ(e.model.count(), 1);
}

TEST(DesktopHabits, RecentListKeepsEightNewestFirst) {
    QStringList list;
    for (int i = 0; i < 10; ++i) list = RecentFiles::withHead(list, QStringLiteral("/t/%1.spt").arg(i));
    list = RecentFiles::withHead(list, QStringLiteral("/t/5.spt")); // again: to the head, not twice
    EXPECT_EQ(list, (QStringList{"/t/5.spt", "/t/9.spt", "/t/8.spt", "/t/7.spt", "/t/6.spt", "/t/4.spt", "/t/3.spt",
                                 "/t/2.spt"}));
}

TEST(DesktopHabits, SizeAndPlaceComeBackOutsideThePrinterValues) {
    ScopedStore store;
    QTemporaryDir dir;
    QByteArray saved;
    {
        MainWindow window(dir.filePath("Config.ini"), store);
        window.show();
        window.setGeometry(40, 50, 933, 611);
        saved = window.saveGeometry();
        ModalDriver driver([](QWidget* modal) { answer(modal, QMessageBox::Cancel); }); // do not save
        window.close();
    }
    MainWindow again(dir.filePath("Config.ini"), store);
    EXPECT_EQ(again.size(), QSize(933, 611));
    EXPECT_FALSE(store.contents().contains("Geometry")); // the store keeps the printer's values only
}

TEST(StatusLine, LongSummaryIsShortenedInTheMiddleWithTheWholeAsTooltip) {
    StatusLine line;
    const QString port = QStringLiteral("/tmp/daviduv-virtual-printer-0123456789/pts/long-port-name");
    const QString text = QStringLiteral("      %1, br57600；模板号：1，长度：512Pels，分辨率：200dpi").arg(port);
    line.showSummary(text);
    auto* panel = line.findChild<QLabel*>("Pnl_Summary");
    EXPECT_EQ(line.summary(), text);
    EXPECT_EQ(panel->toolTip(), text);
    EXPECT_TRUE(panel->text().contains(QChar(0x2026))) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().endsWith(QStringLiteral("200dpi"))); // length and resolution stay in view
    line.showSummary(QStringLiteral("      COM1, br9600"));
    EXPECT_EQ(panel->text(), QStringLiteral("      COM1, br9600"));
    EXPECT_TRUE(panel->toolTip().isEmpty());
}

TEST(StatusLine, ZoomAndUnsavedChangesBesideTheSummary) {
    Editor e;
    auto* zoom = e.window.statusLine()->findChild<QLabel*>("Pnl_Zoom");
    auto* modified = e.window.statusLine()->findChild<QLabel*>("Pnl_Modified");
    EXPECT_EQ(zoom->text(), "100%");
    EXPECT_EQ(modified->text(), "");
    e.place("SpedBtn_Str", {0, 0});
    EXPECT_EQ(modified->text(), "已修改");
    e.window.editHistory()->stack()->undo();
    EXPECT_EQ(modified->text(), "");
    item(e.window, "视图", "放大")->trigger();
    EXPECT_EQ(zoom->text(), "200%");
}

TEST(StatusLine, MessagePanelTellsThePortErrorTheBoxShowed) {
    Editor e;
    e.window.showMessage(QStringLiteral("查找已连接喷码仪成功！"));
    e.window.serialPort().setPort(e.dir.filePath("no-such-port"));
    QStringList boxes;
    {
        ModalDriver driver([&](QWidget* modal) { boxes << answer(modal, QMessageBox::Ok); });
        item(e.window, "通讯", "校正时间")->trigger();
    }
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(e.window.statusLine()->message(), boxes.first());
}

TEST(StatusLine, PaintWithoutAProgramSaysSo) {
    QTemporaryDir dir;
    QFile config(dir.filePath("Config.ini"));
    config.open(QIODevice::WriteOnly);
    config.write("[Paint]\r\nPrograms=/no/such/paint\r\n");
    config.close();
    ScopedStore store;
    MainWindow window(config.fileName(), store);
    item(window, "设置", "画图")->trigger();
    EXPECT_EQ(window.statusLine()->message(), QStringLiteral("没有找到画图程序（试过 /no/such/paint）"));
}

TEST(DialogFrames, EveryDialogAndMessageBoxHasOnlyACloseBox) {
    Editor e;
    e.window.show();
    const char* commands[][2] = {{"设置", "模板属性"},  {"设置", "通讯设置"}, {"字模", "设置字模"},
                                 {"字模", "擦除FLASH"}, {"帮助", "关于"},     {"文件", "退出"}};
    for (const auto& c : commands) {
        Qt::WindowFlags flags;
        {
            ModalDriver driver([&](QWidget* modal) {
                flags = modal->windowFlags();
                answer(modal, QMessageBox::Cancel);
            });
            item(e.window, c[0], c[1])->trigger();
        }
        EXPECT_EQ(flags, closeBoxOnlyFlags()) << c[1];
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << c[1];
    }
}

TEST(TemplateAttributesDialog, OutOfRangeNumbersAreAnsweredWithTheRange) {
    Editor e;
    const struct {
        const char* field;
        const char* typed;
        const char* answer; // the range: 0..255 for the template number, 32..MaxLength (20000 by default)
    } rows[] = {{"Edt_Width", "25000", "长度应在 32 到 20,000 之间。"},
                {"Edt_Moban", "300", "模板号应在 0 到 255 之间。"}};
    for (const auto& row : rows) {
        QStringList said;
        int shown = 0;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                said << answer(box, QMessageBox::Ok);
                return;
            }
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (shown) return; // back from the answer: the dialog is still open
            auto* edit = dialog->findChild<QSpinBox*>(row.field)->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, row.typed);
            shown = dialog->findChild<QSpinBox*>(row.field)->value();
            QTimer::singleShot(0, dialog, [dialog] { // the driver answers the box meanwhile
                QTest::mouseClick(dialog->findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
                EXPECT_TRUE(dialog->isVisible()); // after the answer the dialog is still open
                dialog->reject();
            });
        });
        item(e.window, "设置", "模板属性")->trigger();
        EXPECT_EQ(shown, QString::fromLatin1(row.typed).toInt()) << row.field; // not cut to fit
        EXPECT_EQ(said, QStringList{QString::fromUtf8(row.answer)});
    }
    EXPECT_EQ(e.window.settings().width, 512); // nothing taken
    EXPECT_EQ(e.window.settings().moBan, 1);
}

TEST(HelpGuide, CoversTheEditorsHabitsAndQuestions) {
    HelpDialog guide;
    const QString text = guide.findChild<QTextBrowser*>("HelpText")->toPlainText();
    // the texts the window and its questions show, and the keys
    for (const char* topic :
         {"Ctrl+Z", "Ctrl+Y", "剪切", "Shift+方向键", "Tab", "Esc", "Ctrl+0", "F1", "Ctrl+P", "打印预览",
          "条码在当前分辨率下无法识别，仍要发送吗？", "部分内容超出打印区域，仍要发送吗？", "取消",
          "检测到未保存的模板，是否恢复？", "最近打开的文件", "置于顶层"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
}
