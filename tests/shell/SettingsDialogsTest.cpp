#include "ModalDriver.h"
#include "common/RegStore.h"
#include "model/Coordinates.h"
#include "model/FieldPlacement.h"
#include "serial/SerialPort.h"
#include "shell/CanvasArea.h"
#include "shell/MainWindow.h"
#include "shell/PaintProgram.h"
#include "shell/Ruler.h"
#include "shell/SerialPortDialog.h"
#include "shell/StatusLine.h"
#include "support/PrinterProcess.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString configWithDpis(QTemporaryDir& dir) {
    const QString path = dir.filePath("Config.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[Dpi]\r\nDpiCount=3\r\n1=100dpi\r\n2=200dpi\r\n3=300dpi\r\n");
    return path;
}

QAction* menuItem(MainWindow& window, const QString& menu, const QString& item) {
    for (QAction* m : window.menuBar()->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == item) return a;
    return nullptr;
}

void typeNumber(QWidget* dialog, const char* field, const QString& text) {
    auto* edit = dialog->findChild<QSpinBox*>(field)->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

// Opens 设置/模板属性, types the width and confirms.
void confirmWidth(MainWindow& window, const QString& width) {
    ModalDriver driver([&](QWidget* dialog) {
        typeNumber(dialog, "Edt_Width", width);
        click(dialog, "Btn_OK");
    });
    menuItem(window, "设置", "模板属性")->trigger();
}

} // namespace

TEST(TemplateAttributesDialog, FirstUseStoresTheSecondResolutionEvenWhenCancelled) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(configWithDpis(dir), store);
    int moBan = -1, width = -1;
    QString zoom;
    ModalDriver driver([&](QWidget* dialog) {
        moBan = dialog->findChild<QSpinBox*>("Edt_Moban")->value();
        zoom = dialog->findChild<QComboBox*>("Comb_Zoom")->currentText();
        width = dialog->findChild<QSpinBox*>("Edt_Width")->value();
        click(dialog, "Btn_Cannel");
    });
    menuItem(window, "设置", "模板属性")->trigger();
    // the defaults of the store, and the second entry of the list when no resolution is stored
    EXPECT_EQ(moBan, 1);
    EXPECT_EQ(zoom, QStringLiteral("200dpi"));
    EXPECT_EQ(width, 512);
    EXPECT_EQ(store.read("Zoom", "<none>"), QStringLiteral("200dpi"));
    EXPECT_EQ(store.read("Width", "<none>"), QStringLiteral("<none>")); // Cancel stores nothing more
}

TEST(TemplateAttributesDialog, ConfirmedWidthSizesCanvasAndSummary) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(configWithDpis(dir), store);
    confirmWidth(window, "2000");
    CanvasArea* area = window.canvasArea();
    // sizing rule by hand: panel W + 42, scroll range panel + 120, ruler W + 40
    EXPECT_EQ(area->canvasPicture()->width(), 2000);
    EXPECT_EQ(area->Pnl_Main()->width(), 2042);
    EXPECT_EQ(area->widget()->width(), 2162);
    EXPECT_EQ(area->rulerPicture()->width(), 2040);
    EXPECT_EQ(store.read("Width", ""), QStringLiteral("2000"));
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      COM1, br57600；模板号：1，长度：2000Pels，分辨率：200dpi"));
}

TEST(TemplateAttributesDialog, NarrowingLeavesElementsWhereTheyAre) {
    ScopedStore store;
    store.write("Width", "1000");
    QTemporaryDir dir;
    MainWindow window(configWithDpis(dir), store);
    FieldElement& field = placeField(window.messageTemplate(), csStr, 800, 10);
    confirmWidth(window, "500");
    EXPECT_EQ(window.canvasArea()->canvasPicture()->width(), 500);
    EXPECT_EQ(templateFromSurface(field.Left()), 800);
}

TEST(SerialPortDialog, StoredSpeedIsShownAndAppliedOnOk) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    ASSERT_EQ(window.serialPort().baudRate(), 57600);
    store.write("Baud", "115200");
    store.write("Comm", "/dev/ttyS3");
    QString shown;
    ModalDriver driver([&](QWidget* dialog) {
        shown = dialog->findChild<QComboBox*>("Comb_Baud")->currentText();
        auto* port = dialog->findChild<QComboBox*>("Comb_Comm");
        port->lineEdit()->clear();
        QTest::keyClicks(port->lineEdit(), "/dev/ttyUSB1");
        click(dialog, "RzButton1");
    });
    menuItem(window, "设置", "通讯设置")->trigger();
    EXPECT_EQ(shown, QStringLiteral("115200"));
    EXPECT_EQ(window.serialPort().baudRate(), 115200);
    EXPECT_EQ(window.serialPort().port(), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(store.read("Comm", ""), QStringLiteral("/dev/ttyUSB1"));
    EXPECT_EQ(store.read("Baud", ""), QStringLiteral("115200"));
    EXPECT_EQ(window.statusLine()->summary(),
              QStringLiteral("      /dev/ttyUSB1, br115200；模板号：1，长度：512Pels，分辨率：200dpi"));
}

TEST(SerialPortDialog, StoredPortPicksItsEntryIgnoringCase) {
    const QStringList ports{"/dev/ttyS0", "/dev/ttyUSB0"};
    // Worked by hand from the dialog's port rule: the stored name matched ignoring case, empty when
    // not listed, the first entry when nothing is stored.
    const struct {
        const char* stored; // nullptr: nothing stored
        QString shown;
    } cases[] = {
        {"/DEV/TTYUSB0", "/dev/ttyUSB0"}, // the list's spelling
        {"/dev/ttyACM7", ""},             // not in the list: the box opens empty
        {nullptr, "/dev/ttyS0"},          // nothing stored: the first entry
    };
    for (const auto& c : cases) {
        ScopedStore store;
        if (c.stored) store.write("Comm", c.stored);
        SerialPortDialog dialog(store, ports);
        EXPECT_EQ(dialog.portName(), c.shown) << (c.stored ? c.stored : "(none)");
    }
}

TEST(MainWindowExit, OkQuitsWithoutTheSaveQuestion) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.show();
    QStringList asked;
    ModalDriver driver([&](QWidget* modal) { asked << answer(modal, QMessageBox::Ok); });
    menuItem(window, "文件", "退出")->trigger();
    EXPECT_FALSE(window.isVisible()); // the only window closed: the program ends
    EXPECT_EQ(asked, QStringList{QStringLiteral("你确定要退出系统吗? ")});
}

TEST(PaintProgram, ListFromConfigAndTheFirstThatStarts) {
    QTemporaryDir dir;
    EXPECT_EQ(paintProgramsFromConfig(dir.filePath("none.ini")),
              (QStringList{"kolourpaint", "pinta", "gimp", "mtpaint"})); // the documented default
    const QString path = dir.filePath("Config.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[Paint]\r\nPrograms= /no/such/paint ; true ;\r\n");
    f.close();
    const QStringList programs = paintProgramsFromConfig(path);
    EXPECT_EQ(programs, (QStringList{"/no/such/paint", "true"}));
    EXPECT_TRUE(startPaintProgram(programs));            // the second one starts
    EXPECT_FALSE(startPaintProgram({"/no/such/paint"})); // none: no error either
}

TEST(MainWindowSend, ToolbarSendReachesThePrinterAndCongratulates) {
    ScopedStore store;
    PrinterProcess printer;
    store.write("Comm", printer.devicePath());
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    window.setQuietMs(200);
    QAction* send = nullptr;
    for (QAction* a : window.findChild<QToolBar*>("ToolBar1")->actions())
        if (a->toolTip() == QStringLiteral("发送数据")) send = a;
    ASSERT_TRUE(send);
    QStringList boxes;
    ModalDriver driver([&](QWidget* modal) { boxes << answer(modal, QMessageBox::Ok); });
    send->trigger();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("恭喜您，传输数据成功！ ")});
    // 512 x 16 bytes of background in 3072-byte chunks: 3 chunks, then the four settings frames
    EXPECT_EQ(printer.receivedAtLeast(7).size(), 7);
}
