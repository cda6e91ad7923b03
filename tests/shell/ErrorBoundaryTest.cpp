// Every command that draws or sends, against templates whose fields cannot be
// drawn: the error reaches the error box, nothing reaches the printer, the
// window goes on; and a programming error inside a command.
#include "shell/ErrorBoundary.h"
#include "ModalDriver.h"
#include "barcode/Barcode.h"
#include "common/Gbk.h"
#include "common/RegStore.h"
#include "shell/MainWindow.h"
#include "shell/RecoveryCopy.h"
#include "shell/TemplateCommands.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolBar>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
QByteArray crlf(QByteArray text) {
    return text.replace("\n", "\r\n");
}

// Hand-written templates, one field each that cannot be drawn.
QByteArray barcodeCaptionRefused() { // CODE128_B (type 8) cannot encode 中
    return crlf("[Main]\nImageWidth=512\nImageHeight=128\nMoBan=1\nZoom=200dpi\nControlCount=1\n"
                "ControlCaption=csBarCode0\n[csBarCode0]\nConStyle=csBarCode\nBarCodeType=8\nRotation=0\n"
                "ModuleWidth=1\nHeightPercent=85\nBarCodeValue=" +
                gbk::encode(QStringLiteral("中")) + "\nHumanreadable=1\nLeft=30\nTop=30\n");
}
QByteArray unreadablePicture(const QString& jpg) {
    return crlf("[Main]\nControlCount=1\nControlCaption=csImage0\n[csImage0]\nConStyle=csImage\nSource=" +
                jpg.toUtf8() + "\nWidth=64\nHeight=64\nLeft=30\nTop=30\n");
}
QByteArray stringTooLarge() { // 50 letters of 400 points, 1000 dots apart: wider than 65535 dots
    return crlf("[Main]\nControlCount=1\nControlCaption=csStr0\n[csStr0]\nConStyle=csStr\nFontName=宋体\n"
                "FontSize=400\nSpace=1000\nUserValue=" +
                QByteArray(50, 'W') + "\nLeft=30\nTop=30\n");
}

enum class Command { Open, SendMenu, SendToolbar, Save };

struct Row {
    const char* name;
    int field; // 0 barcode, 1 picture, 2 string
    Command command;
    const char* box; // the start of the error box's text; "" none; "@" the barcode's own drawError()
    bool sent;       // frames reach the printer
};
// Expected values, from the editor's rules for each field: an opened barcode
// keeps a caption it cannot draw, and its panel, filled at once, reports the
// barcode's message; a send refuses with the same message. An unreadable
// picture opens white without a message and is sent white. A string too large
// stops the opening with the drawing's message; the template sent then has no
// field.
const Row kRows[] = {
    {"barcode open", 0, Command::Open, "@", false}, // its panel is filled and redrawn
    {"barcode send menu", 0, Command::SendMenu, "@", false},
    {"barcode send toolbar", 0, Command::SendToolbar, "@", false},
    {"barcode save", 0, Command::Save, "", false},
    {"picture open", 1, Command::Open, "", false},
    {"picture send", 1, Command::SendMenu, "", true},
    {"picture save", 1, Command::Save, "", false},
    {"string open", 2, Command::Open, "字符串（X ", false},
    {"string send", 2, Command::SendToolbar, "", true},
    {"string save", 2, Command::Save, "", false},
};
} // namespace

TEST(ErrorBoundary, CommandsOnFieldsThatCannotBeDrawnShowTheirErrorAndSendNothing) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        ScopedStore store;
        PrinterProcess printer;
        store.write("Comm", printer.devicePath());
        QTemporaryDir dir;
        const QString jpg = dir.filePath("broken.jpg");
        writeFile(jpg, "not a JPEG");
        const QByteArray bytes[] = {barcodeCaptionRefused(), unreadablePicture(jpg), stringTooLarge()};
        const QString path = dir.filePath("t.spt");
        writeFile(path, bytes[row.field]);
        MainWindow window(dir.filePath("Config.ini"), store);
        window.setQuietMs(200);
        window.show();
        QStringList boxes;
        bool opening = true;
        ModalDriver driver([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) { // 保存: a name in the folder
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(dir.filePath("saved.spt"));
                QMetaObject::invokeMethod(dialog, "accept");
                return;
            }
            const QString text = answer(modal, QMessageBox::Ok);
            if (!opening || row.command == Command::Open) boxes << text;
        });
        guarded(&window, [&] { openTemplateFile(window, path); })(); // as the command line does
        opening = false;
        QAction* send = window.findChild<QAction*>("Act_Send");
        for (QAction* a : window.findChild<QToolBar*>("ToolBar1")->actions())
            if (row.command == Command::SendToolbar && a->toolTip() == QStringLiteral("发送数据")) send = a;
        if (row.command == Command::SendMenu || row.command == Command::SendToolbar) send->trigger();
        if (row.command == Command::Save) window.findChild<QAction*>("Act_Save")->trigger();
        const QStringList errors = boxes.filter(QRegularExpression("^(?!恭喜)"));
        if (*row.box) {
            ASSERT_EQ(errors.size(), 1) << boxes.join('|').toStdString();
            // the barcode's refusal is the text the element keeps from its last drawing
            const QString expected =
                QString(row.box) == "@" ? window.messageTemplate().find(0)->asBarcode()->drawError() : QString(row.box);
            EXPECT_FALSE(expected.isEmpty());
            EXPECT_TRUE(errors[0].startsWith(expected)) << errors[0].toStdString();
        } else {
            EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
        }
        if (row.command == Command::Save) {
            EXPECT_FALSE(readFile(dir.filePath("saved.spt")).isEmpty());
        }
        EXPECT_EQ(printer.receivedAtLeast(row.sent ? 7 : 0).size(), row.sent ? 7 : 0);
        EXPECT_TRUE(window.isVisible());
    }
}

TEST(ErrorBoundary, AnUnexpectedExceptionShowsInternalErrorAndWritesTheRecoveryCopy) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    window.recoveryCopy()->remove();
    QString text, details;
    ModalDriver driver([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        text = box->text();
        details = box->informativeText();
        box->button(QMessageBox::Ok)->click();
    });
    const bool ended = runCommand(&window, [] { throw std::logic_error("broken invariant"); });
    EXPECT_FALSE(ended);
    EXPECT_EQ(text, QStringLiteral("内部错误"));
    EXPECT_TRUE(details.contains("broken invariant")) << details.toStdString();
    EXPECT_TRUE(RecoveryCopy::left().has_value());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(runCommand(&window, [] {})); // the window goes on taking commands
    window.recoveryCopy()->remove();
}
