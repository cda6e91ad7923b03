#include "shell/GlyphDialog.h"

#include "shell/MainWindow.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Recorder {
    QStringList events; // "code16 N" and "send H:N,..." in the order they happened
    bool failWrite = false;
    GlyphDialog::Sender sender() {
        return [this](const QList<GlyphPayload>& payloads) {
            QStringList parts;
            for (const GlyphPayload& p : payloads)
                parts << QStringLiteral("%1/%2/%3:%4")
                             .arg(p.command, 0, 16)
                             .arg(p.resolution)
                             .arg(p.height)
                             .arg(p.bytes.size());
            events << QStringLiteral("send ") + parts.join(',');
        };
    }
    Code16Writer writer() {
        return [this](const QByteArray& bytes) {
            if (failWrite) throw GlyphRefused("无法写入文件");
            events << QStringLiteral("code16 %1").arg(bytes.size());
        };
    }
};

template <class W> W* child(const QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
} // namespace

TEST(GlyphWindow, InitialState) {
    Recorder r;
    GlyphDialog w({"100dpi", "200dpi", "300dpi"}, {"Dot Matrix", "宋体", "Dots All For Now JL", "Arial"}, r.sender(),
                  r.writer());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("字模"));
    const QStringList fonts{"宋体", "Arial", "岱霖字体1", "岱霖字体2"};
    for (const char* name : {"Comb_Font", "Comb_UserFont"}) {
        auto* box = child<QComboBox>(w, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        EXPECT_EQ(items, fonts) << name;
        EXPECT_EQ(box->currentText(), QStringLiteral("宋体")) << name;
        EXPECT_TRUE(box->isEditable());
    }
    EXPECT_EQ(child<QComboBox>(w, "Comb_FontHeight")->currentText(), QStringLiteral("16(2mm)"));
    EXPECT_EQ(child<QComboBox>(w, "Comb_Dpi")->currentText(), QStringLiteral("200dpi"));
    EXPECT_EQ(child<QComboBox>(w, "Comb_UserFontHeight")->count(), 16);
    EXPECT_EQ(child<QComboBox>(w, "Comb_UserFontHeight")->currentText(), QStringLiteral("8"));
    EXPECT_EQ(child<QComboBox>(w, "Comb_UserDpi")->currentText(), QStringLiteral("200dpi"));
    EXPECT_EQ(child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("纵向"));
    EXPECT_EQ(child<QLineEdit>(w, "Edt_FontValue")->text(), QStringLiteral("请输入字模"));
    EXPECT_EQ(child<QPushButton>(w, "Btn_DaiCi")->text(), QStringLiteral("单独发送"));
    EXPECT_EQ(child<QPushButton>(w, "Btn_SendAll")->text(), QStringLiteral("全部发送"));
    EXPECT_EQ(child<QPushButton>(w, "Btn_UserSend")->text(), QStringLiteral("发送"));
}

TEST(GlyphWindow, DirectionSwitchesTheCustomResolution) {
    Recorder r;
    GlyphDialog w({"200dpi"}, {}, r.sender(), r.writer());
    w.show();
    auto* direction = child<QComboBox>(w, "ComboBox1");
    direction->setCurrentIndex(1); // 横向
    EXPECT_FALSE(child<QLabel>(w, "Label6")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(w, "Comb_UserDpi")->isEnabled());
    direction->setCurrentIndex(0); // 纵向
    EXPECT_TRUE(child<QLabel>(w, "Label6")->isEnabled());
    EXPECT_TRUE(child<QComboBox>(w, "Comb_UserDpi")->isEnabled());
}

TEST(GlyphWindow, ButtonsBuildEverythingBeforeSending) {
    Recorder r;
    GlyphDialog w({"100dpi", "200dpi"}, {"宋体"}, r.sender(), r.writer());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Btn_DaiCi"), Qt::LeftButton);
    child<QComboBox>(w, "Comb_Dpi")->setCurrentIndex(3); // 400dpi
    QTest::mouseClick(child<QPushButton>(w, "Btn_SendAll"), Qt::LeftButton);
    // Sizes: 13 x W1 x H/8 + 3 x W1' x H/8, worked by hand.
    EXPECT_EQ(r.events, (QStringList{"code16 304", "send b8/2/16:304", "code16 608",
                                     "send b8/4/16:608,b8/4/32:2432,b8/4/48:5472,b8/4/64:9728,b8/4/96:21888,"
                                     "b8/4/128:38912"}));
    r.events.clear();
    QTabBar* tabs = child<QTabWidget>(w, "PageControl1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center()); // 自定义字模
    QLineEdit* value = child<QLineEdit>(w, "Edt_FontValue");
    value->selectAll();
    QTest::keyClicks(value, "AB");
    child<QComboBox>(w, "Comb_UserFontHeight")->setCurrentIndex(1); // 16
    child<QComboBox>(w, "ComboBox1")->setCurrentIndex(1);           // 横向
    QTest::mouseClick(child<QPushButton>(w, "Btn_UserSend"), Qt::LeftButton);
    EXPECT_EQ(r.events, QStringList{"send b9/1/16:32"});
}

TEST(GlyphWindow, ACode16WriteFailureSendsNothing) {
    Recorder r;
    r.failWrite = true;
    GlyphDialog w({"200dpi"}, {}, r.sender(), r.writer());
    QTimer::singleShot(0, [] { // the error box
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Btn_SendAll"), Qt::LeftButton);
    EXPECT_TRUE(r.events.isEmpty());
}

TEST(GlyphWindow, OpenedFromTheGlyphMenu) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow main(dir.filePath("Config.ini"), store);
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<GlyphDialog*>(QApplication::activeModalWidget())) {
            title = window->windowTitle();
            window->reject();
        }
    });
    for (QAction* menu : main.menuBar()->actions())
        if (menu->text() == QStringLiteral("字模"))
            for (QAction* item : menu->menu()->actions())
                if (item->text() == QStringLiteral("设置字模")) item->trigger();
    EXPECT_EQ(title, QStringLiteral("字模"));
}
