// What the property panels refuse: values a reopened template would not keep,
// edits whose drawing fails, barcode values GBK cannot hold. A refused edit
// leaves element, canvas, panel, file and undo history as they were.
#include "EditorHarness.h"
#include "common/IniFile.h"
#include "editor/ElementSnapshot.h"
#include "editor/TemplateFile.h"
#include "link/MessageRender.h"
#include "model/DateStyles.h"
#include "shell/EditHistory.h"
#include "support/FixedClock.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

// The preview clock fixed at 10:04 on 8 December 2026.
const QDateTime kFixedDay(QDate(2026, 12, 8), QTime(10, 4));

QLineEdit* lineOf(QWidget* w) {
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->lineEdit();
    if (qobject_cast<QAbstractSpinBox*>(w)) return w->findChild<QLineEdit*>();
    return qobject_cast<QLineEdit*>(w);
}

// Keys go to the spin box itself (it handles Enter), else to the text box.
QWidget* keyTarget(QWidget* w) {
    return qobject_cast<QAbstractSpinBox*>(w) ? w : lineOf(w);
}

// Replaces the box's text with all of text but its last character (pasted with
// Ctrl+V when long, typed otherwise), then types the last character and
// presses Enter.
void typeInTwoSteps(QWidget* control, const QString& text, const std::function<void()>& between) {
    QLineEdit* line = lineOf(control);
    QWidget* keys = keyTarget(control);
    const QString head = text.chopped(1);
    line->selectAll();
    if (head.size() > 8) {
        QGuiApplication::clipboard()->setText(head);
        QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(keys, head);
    }
    between();
    QTest::keyClicks(keys, text.right(1));
    QTest::keyClick(keys, Qt::Key_Return);
}

QString repeated(char c, int n) {
    return QString(n, QChar(c));
}

// Each control's bounds: what the file reader keeps of its key. Values at and
// next to each bound are saved and opened unchanged; the values just outside,
// and the example, are refused with the range the operator may use.
// A text row's bounds are lengths: the reader keeps 2047 characters.
struct RangeRow {
    const char* tool;
    const char* control;
    const char* key; // where the typed value lands in the saved file
    int low, high;
    QString refusal;
    QString example = {}; // a value seen changed on reopening, refused too
    bool text = false;
};

const QString kSpace = "间距必须在 0 到 1000 之间";
const QString kLong = "不能超过 2047 个字符";

// Bounds: the template reader's own limits for each key (2047 characters for a text);
// refusals are the panels' range messages as the operator sees them.
const RangeRow kRanges[] = {
    {"SpedBtn_Str", "EdtStr_Space", "Space", 0, 1000, kSpace, "-3"},
    {"SpedBtn_Str", "CombStr_FontSize", "FontSize", 1, 400, "字号必须在 1 到 400 之间", "500"},
    {"SpedBtn_Str", "EdtStr_X", "Left", -65535, 65535, "X 必须在 -65535 到 65535 之间", "100000"},
    {"SpedBtn_Str", "EdtStr_Y", "Top", -65535, 65535, "Y 必须在 -65535 到 65535 之间"},
    {"SpedBtn_Str", "EdtStr_Source", "UserValue", 0, 2047, "内容文本" + kLong, {}, true},
    {"SpedBtn_Date", "EdtDate_Space", "UserSpace", 0, 1000, kSpace, "1500"},
    {"SpedBtn_Date", "CombDate_Explain", "UserExplain", 0, 2047, "前导符" + kLong, {}, true},
    {"SpedBtn_Period", "EdtPeriod_Space", "UserSpace", 0, 1000, kSpace},
    {"SpedBtn_No", "EdtNo_Space", "UserSpace", 0, 1000, kSpace},
    {"SpedBtn_No", "EdtNo_Y", "Top", -65535, 65535, "Y 必须在 -65535 到 65535 之间"},
    {"SpedBtn_RunNo", "EdtRunNo_Space", "UserSpace", 0, 1000, kSpace},
    {"SpedBtn_RunNo", "CombRunNo_Init", "UserValue", 0, 2047, "班次" + kLong, {}, true},
    {"SpedBtn_Image", "EdtImage_Width", "Width", 1, 20048, "宽必须在 1 到 20048 之间"},
    {"SpedBtn_BarCode", "EdtBarCode_X", "Left", -65535, 65535, "X 必须在 -65535 到 65535 之间"},
};

// The values a row tries, each with whether it is refused.
std::vector<std::pair<QString, bool>> triedValues(const RangeRow& row) {
    if (row.text) return {{repeated('x', row.high), false}, {repeated('x', row.high + 1), true}};
    std::vector<std::pair<QString, bool>> values;
    for (int v : {row.low - 1, row.high + 1}) values.push_back({QString::number(v), true});
    for (int v : {row.low, row.low + 1, row.high - 1, row.high}) values.push_back({QString::number(v), false});
    if (!row.example.isEmpty()) values.push_back({row.example, true});
    return values;
}

// What a send would print, or why it refuses (a variable field above the strip).
std::pair<RenderedMessage, QString> printed(const MessageTemplate& message) {
    try {
        return {renderMessage(message, 512), {}};
    } catch (const OperatorError& refusal) {
        return {{}, refusal.text()};
    }
}

QString sectionOf(const FieldElement& e) {
    return kindWord(e.kind()) + QString::number(e.number());
}

} // namespace

TEST(PanelRanges, AcceptedValuesSurviveAReopenAndOthersAreRefused) {
    for (const RangeRow& row : kRanges)
        for (const auto& [typed, refused] : triedValues(row)) {
            SCOPED_TRACE(std::string(row.control) + " " + typed.left(12).toStdString());
            Editor e;
            e.model.setClock(fixedClock(kFixedDay));
            FieldElement& f = e.place(row.tool, {10, 10});
            QWidget* control = e.window.findChild<QWidget*>(row.control);
            ASSERT_NE(control, nullptr);
            std::optional<ElementSnapshot> before;
            int steps = 0;
            BoxAnswer ok(QMessageBox::Ok);
            typeInTwoSteps(control, typed, [&] {
                before = snapshotOf(e.model, f);
                steps = e.window.editHistory()->stack()->count();
            });
            if (refused) {
                ASSERT_EQ(ok.seen.size(), 1u);
                EXPECT_EQ(ok.seen[0].text, row.refusal);
                EXPECT_TRUE(sameState(*before, snapshotOf(e.model, f))); // nothing changed
                EXPECT_EQ(e.window.editHistory()->stack()->count(), steps);
                continue;
            }
            EXPECT_TRUE(ok.seen.empty());
            const QString path = e.dir.filePath("t.spt");
            saveTemplate(e.model, {}, path);
            EXPECT_EQ(IniFile::load(path).readString(sectionOf(f), row.key, {}), typed);
            MessageTemplate reopened;
            reopened.setClock(fixedClock(kFixedDay));
            loadTemplate(reopened, path, {});
            EXPECT_EQ(templateFileBytes(reopened, {}), templateFileBytes(e.model, {}));
            const auto [a, aRefused] = printed(e.model);
            const auto [b, bRefused] = printed(reopened);
            EXPECT_EQ(a.background, b.background);
            EXPECT_EQ(a.fields, b.fields);
            EXPECT_EQ(aRefused, bRefused);
        }
}

namespace {

// Puts text into the box in one paste (Ctrl+V), then presses Enter.
void paste(QWidget* control, const QString& text) {
    lineOf(control)->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(keyTarget(control), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(keyTarget(control), Qt::Key_Return);
}

// An edit within every range whose drawing is refused ("…太大，无法绘制":
// wider than 65535 dots, or more than 16 M dots in all).
struct DrawRow {
    const char* tool;
    const char* setupControl;
    QString setup;
    const char* control;
    QString value;
};

const DrawRow kTooLarge[] = {
    // 300 letters at 400 points: about 300 x 270 dots wide
    {"SpedBtn_Str", "EdtStr_Source", repeated('A', 300), "CombStr_FontSize", "400"},
    // 2000 letters at 100 points: about 2000 x 70 dots wide
    {"SpedBtn_Str", "CombStr_FontSize", "100", "EdtStr_Source", repeated('A', 2000)},
    // 生产日期 and 70 letters of lead text, spacing 1000: 78 x 1008 dots
    {"SpedBtn_Date", "CombDate_Explain", repeated('x', 70), "EdtDate_Space", "1000"},
    {"SpedBtn_No", "CombNo_Explain", repeated('x', 70), "EdtNo_Space", "1000"},
};

} // namespace

TEST(PanelRefusals, AnEditThatCannotBeDrawnPutsEverythingBack) {
    for (const DrawRow& row : kTooLarge) {
        SCOPED_TRACE(row.control);
        Editor e;
        FieldElement& f = e.place(row.tool, {10, 10});
        paste(e.window.findChild<QWidget*>(row.setupControl), row.setup);
        QWidget* control = e.window.findChild<QWidget*>(row.control);
        const ElementSnapshot before = snapshotOf(e.model, f);
        const QByteArray file = templateFileBytes(e.model, {});
        const QString shown = lineOf(control)->text();
        const int steps = e.window.editHistory()->stack()->count();
        BoxAnswer ok(QMessageBox::Ok);
        paste(control, row.value);
        ASSERT_EQ(ok.seen.size(), 1u);
        EXPECT_TRUE(ok.seen[0].text.contains("太大，无法绘制")) << ok.seen[0].text.toStdString();
        EXPECT_TRUE(sameState(before, snapshotOf(e.model, f))); // model and canvas picture
        EXPECT_EQ(lineOf(control)->text(), shown);
        EXPECT_EQ(templateFileBytes(e.model, {}), file);
        EXPECT_EQ(e.window.editHistory()->stack()->count(), steps);
    }
}

TEST(PanelRefusals, ABarcodeValueGbkCannotHoldIsRefused) {
    Editor e;
    FieldElement& b = e.place("SpedBtn_BarCode", {10, 10});
    auto* style = e.window.findChild<QComboBox*>("CombBarCode_Style");
    style->setFocus();
    QTest::keyClicks(style, "CODE39"); // a fixed list: typing selects the item
    ASSERT_EQ(b.asBarcode()->Bar_CodeType(), 4);
    auto* caption = e.window.findChild<QLineEdit*>("EdtBarCode_Caption");
    caption->selectAll();
    BoxAnswer ok(QMessageBox::Ok);
    QTest::keyClicks(caption, "Aß");
    ASSERT_EQ(ok.seen.size(), 1u);
    EXPECT_EQ(ok.seen[0].text, "码值不能含有 GBK 无法表示的字符：ß");
    EXPECT_EQ(b.asBarcode()->Bar_Caption(), "A");
    EXPECT_EQ(caption->text(), "A");
    const QString path = e.dir.filePath("b.spt");
    saveTemplate(e.model, {}, path);
    EXPECT_EQ(IniFile::load(path).readString("csBarCode0", "BarCodeValue", {}), "A");
}
