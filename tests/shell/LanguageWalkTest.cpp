// Every window and dialog in English shows no Chinese character, except the
// operator's content and the data lists (font names, lead texts, date style
// samples: what the printer or the file sees); in Chinese, samples of the
// texts are as they always were; and a send from the English editor carries
// the same bytes as from the Chinese one.
#include "EditorHarness.h"
#include "common/Language.h"
#include "editor/TemplateFile.h"
#include "link/LinkTexts.h"
#include "link/SendMessage.h"
#include "model/FieldKind.h"
#include "shell/AboutDialog.h"
#include "shell/FlashEraseDialog.h"
#include "shell/GlyphDialog.h"
#include "shell/HelpDialog.h"
#include "shell/LanguageDialog.h"
#include "shell/PrintPreviewWindow.h"
#include "shell/SerialPortDialog.h"
#include "shell/StatusLine.h"
#include "shell/TemplateAttributesDialog.h"
#include "shell/TemplateFileDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The language for the life of the object, Chinese again after.
struct ScopedLanguage {
    explicit ScopedLanguage(Language l) { EXPECT_TRUE(installLanguage(l)); }
    ~ScopedLanguage() { installLanguage(Language::Chinese); }
};

bool hasChinese(const QString& text) {
    for (QChar c : text)
        if ((c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) || (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF))
            return true;
    return false;
}

// Lists whose items are data: font names and lead texts go into the file and
// to the printer, the date style samples are what the printer prints.
const QSet<QString> kDataLists = {"CombStr_Font",      "Comb_Font",          "Comb_UserFont",
                                  "CombDate_Explain",  "CombPeriod_Explain", "CombNo_Explain",
                                  "CombRunNo_Explain", "CombDate_Style",     "CombPeriod_Style"};

// Every text the window and its children show or hint ("name: text"), menus included.
QStringList shownTexts(QWidget* root) {
    QStringList texts;
    auto add = [&texts](const QObject* o, const QString& t) {
        if (!t.isEmpty()) texts << o->objectName() + QStringLiteral(": ") + t;
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow()) add(w, w->windowTitle());
        add(w, w->toolTip());
        for (QAction* a : w->actions()) add(a, a->text()), add(a, a->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) add(l, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(g, g->title());
        if (auto* m = qobject_cast<QMenu*>(w)) add(m, m->title());
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) add(t, t->tabText(i));
        if (auto* c = qobject_cast<QComboBox*>(w); c && !kDataLists.contains(c->objectName()))
            for (int i = 0; i < c->count(); ++i) add(c, c->itemText(i));
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QComboBox*>(w->parent())) add(e, e->text());
        if (auto* b = qobject_cast<QTextBrowser*>(w)) add(b, b->toPlainText());
    }
    return texts;
}

void expectNoChinese(QWidget* root) {
    SCOPED_TRACE(root->objectName().toStdString());
    const QStringList texts = shownTexts(root);
    EXPECT_GT(texts.size(), 1);
    for (const QString& t : texts) EXPECT_FALSE(hasChinese(t)) << t.toStdString();
}

// The walk: the main window with every panel, then each dialog.
void walkEveryWindow(Editor& e) {
    for (const char* kind : {"SpedBtn_BarCode", "SpedBtn_Image", "SpedBtn_Str", "SpedBtn_Date", "SpedBtn_Period",
                             "SpedBtn_No", "SpedBtn_RunNo"})
        e.place(kind, {10, 10});
    expectNoChinese(&e.window);
    QWidget* w = &e.window;
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new AboutDialog(w));
    windows.emplace_back(new HelpDialog(w));
    windows.emplace_back(new LanguageDialog(e.store, w));
    windows.emplace_back(new SerialPortDialog(e.store, {"/dev/ttyS0"}, w));
    windows.emplace_back(new TemplateAttributesDialog(e.store, 20000, {"200dpi", "300dpi"}, w));
    windows.emplace_back(new FlashEraseDialog([](int) {}, w));
    windows.emplace_back(new GlyphDialog({"200dpi", "300dpi"}, {"宋体", "Arial"}, {}, {}, w));
    windows.emplace_back(new PrintPreviewWindow(
        e.model, [] { return MessagePlan{}; }, w));
    windows.emplace_back(new TemplateFileDialog(TemplateFileDialog::Open, w));
    for (auto& window : windows) expectNoChinese(window.get());
}

QStringList menuTitles(MainWindow& window) {
    QStringList titles;
    for (QAction* a : window.menuBar()->actions()) titles << a->text();
    return titles;
}

struct Sent {
    QByteArray frames; // what a send emits
    QByteArray file;   // the saved template
};

// The same operator work in the language: a date field with the second lead
// text of the list, a string field in the printer face 岱霖字体2.
Sent workIn(Language language) {
    ScopedLanguage l(language);
    Editor e;
    e.place("SpedBtn_Date", {10, 10});
    choose(e.window.findChild<QComboBox*>("CombDate_Explain"), 2); // "日期："
    e.place("SpedBtn_Str", {10, 60});
    auto* font = e.window.findChild<QComboBox*>("CombStr_Font");
    choose(font, font->findText(QStringLiteral("岱霖字体2")));
    const QString path = e.dir.filePath("work.spt");
    saveTemplate(e.model, {}, path);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return {messageFrames(planMessage(e.model, {})), file.readAll()};
}

} // namespace

TEST(LanguageWalk, EnglishShowsNoChineseOutsideData) {
    ScopedLanguage english(Language::English);
    Editor e;
    walkEveryWindow(e);
    BoxAnswer answer(QMessageBox::Cancel);
    for (QAction* a : e.window.menuBar()->actions()[0]->menu()->actions())
        if (a->text() == QStringLiteral("Exit")) a->trigger();
    ASSERT_EQ(answer.seen.size(), 1u);
    EXPECT_FALSE(hasChinese(answer.seen[0].title + answer.seen[0].text));
    EXPECT_FALSE(hasChinese(actionBackground().waiting + actionBackground().failed + sendSucceededText()));
}

// The Chinese texts as the editor has always shown them.
TEST(LanguageWalk, ChineseTextsAreAsBefore) {
    ScopedLanguage chinese(Language::Chinese);
    Editor e;
    EXPECT_EQ(menuTitles(e.window), QStringList({"文件", "编辑", "视图", "设置", "通讯", "字模", "帮助"}));
    EXPECT_EQ(e.window.windowTitle(), QStringLiteral("Dravo喷码编辑系统"));
    BoxAnswer answer(QMessageBox::Cancel);
    for (QAction* a : e.window.menuBar()->actions()[0]->menu()->actions())
        if (a->text() == QStringLiteral("退出")) a->trigger();
    ASSERT_EQ(answer.seen.size(), 1u);
    EXPECT_EQ(answer.seen[0].title, QStringLiteral("提示"));
    EXPECT_EQ(answer.seen[0].text, QStringLiteral("你确定要退出系统吗? "));
    // "正在" + words + "，请稍候......" and words + "失败，请检查线路或重新尝试！"
    EXPECT_EQ(actionBackground().waiting, QStringLiteral("正在发送背景数据信息，请稍候......"));
    EXPECT_EQ(actionSetClock().failed, QStringLiteral("校正时钟失败，请检查线路或重新尝试！"));
    EXPECT_EQ(sendSucceededText(), QStringLiteral("恭喜您，传输数据成功！ "));
    EXPECT_EQ(e.window.statusLine()->summary(),
              QStringLiteral("      COM1, br57600；模板号：1，长度：512Pels，分辨率：200dpi"));
}

TEST(LanguageWalk, EnglishSendCarriesTheSameBytes) {
    const Sent chinese = workIn(Language::Chinese);
    const Sent english = workIn(Language::English);
    EXPECT_GT(chinese.frames.size(), 512 * 16); // the background at least
    EXPECT_EQ(english.frames, chinese.frames);
    EXPECT_EQ(english.file, chinese.file);
    // The file keeps the lead text in GBK: "日期：" is C8D5 C6DA A3BA.
    EXPECT_TRUE(english.file.contains("UserExplain=" + QByteArray::fromHex("C8D5C6DAA3BA")));
}

// The field names in messages, and the guide, in English: the guide quotes
// the texts the English editor shows (their translations, looked up here).
TEST(LanguageWalk, EnglishMessagesAndGuideUseTheEnglishTexts) {
    ScopedLanguage english(Language::English);
    // 条形码 is "Barcode" in the tool bar's translation
    EXPECT_EQ(fieldCaption(csBarCode, 120, 10), QStringLiteral("Barcode (X 120, Y 10)"));
    const MessageTemplate empty;
    const QStringList fields = fieldsGbkCannotHold(empty, {QStringLiteral("Setup/Name")});
    EXPECT_EQ(fields, QStringList{QStringLiteral("Template attributes")});
    EXPECT_FALSE(hasChinese(TemplateTextError({}, fields + QStringList{fieldCaption(csStr, 0, 0)}).text()));

    HelpDialog guide;
    const QString text = guide.findChild<QTextBrowser*>("HelpText")->toPlainText();
    const QString shown[] = {
        QCoreApplication::translate("EditMenus", "撤销"),
        QCoreApplication::translate("EditMenus", "剪切"),
        QCoreApplication::translate("MainWindow", "置于顶层"),
        QCoreApplication::translate("MainWindow", "打印预览"),
        QCoreApplication::translate("EditMenus", "实际大小"),
        QCoreApplication::translate("BarcodeSendPrompt", "条码在当前分辨率下无法识别，仍要发送吗？\n").trimmed(),
        QCoreApplication::translate("PrintAreaPrompt", "部分内容超出打印区域，仍要发送吗？\n").trimmed(),
        QCoreApplication::translate("ProgressDialog", "取消"),
        QCoreApplication::translate("DesktopHabits", "最近打开的文件"),
        QCoreApplication::translate("StatusLine", "已修改"),
        QCoreApplication::translate("TemplateCommands", "检测到未保存的模板，是否恢复？")};
    for (const QString& t : shown) {
        EXPECT_FALSE(hasChinese(t)) << t.toStdString(); // translated at all
        EXPECT_TRUE(text.contains(t)) << t.toStdString();
    }
    for (const char* key : {"Ctrl+Z", "Ctrl+Y", "Shift+arrow", "Tab", "Esc", "Ctrl+0", "F1", "Ctrl+P"})
        EXPECT_TRUE(text.contains(QLatin1String(key))) << key;
}
