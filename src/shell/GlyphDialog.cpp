#include "shell/GlyphDialog.h"

#include "glyphs/GlyphPayloads.h"
#include "glyphs/StandardGlyphs.h"
#include "model/FontTable.h"
#include "shell/ErrorBoundary.h"

#include "shell/DialogFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kCustomHeights = 16; // 8 to 128 in steps of 8

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* fixedList(const char* name, const QStringList& items, int selected) {
    auto* box = named(new QComboBox, name);
    box->addItems(items);
    box->setCurrentIndex(selected);
    return box;
}

// The font lists are editable; "宋体" is selected when the host has it, else nothing is.
QComboBox* fontList(const char* name, const QStringList& fonts) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->addItems(fonts);
    box->setCurrentIndex(int(fonts.indexOf(kPreviewFace)));
    return box;
}

void addRow(QGridLayout* grid, const QString& label, QWidget* field, QLabel* labelWidget = nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(labelWidget ? labelWidget : new QLabel(label), row, 0);
    grid->addWidget(field, row, 1);
}
} // namespace

GlyphDialog::GlyphDialog(const QStringList& dpiList, const QStringList& fonts, Sender send, Code16Writer writeCode16,
                         QWidget* parent)
    : QDialog(parent), dpiList_(dpiList), send_(std::move(send)), writeCode16_(std::move(writeCode16)) {
    setObjectName(QStringLiteral("Frm_GudingZi"));
    setWindowTitle(tr("字模"));
    useCloseBoxOnly(*this);
    const QStringList listed = glyphFontList(fonts);
    pages_ = named(new QTabWidget(this), "PageControl1");
    pages_->addTab(buildStandardPage(listed), tr("普通字模"));
    pages_->addTab(buildCustomPage(dpiList, listed), tr("自定义字模"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* GlyphDialog::buildStandardPage(const QStringList& fonts) {
    auto* page = named(new QWidget, "TabSheet1");
    auto* grid = new QGridLayout(page);
    fontBox_ = fontList("Comb_Font", fonts);
    heightBox_ = fixedList("Comb_FontHeight", fontHeightLabels(), 0);
    dpiBox_ = fixedList("Comb_Dpi", standardDpiEntries(), 1);
    addRow(grid, tr("字体"), fontBox_);
    addRow(grid, tr("字高"), heightBox_);
    addRow(grid, tr("分辨率"), dpiBox_);
    sendOneButton_ = named(new QPushButton(tr("单独发送")), "Btn_DaiCi");
    sendAllButton_ = named(new QPushButton(tr("全部发送")), "Btn_SendAll");
    grid->addWidget(sendOneButton_, grid->rowCount(), 0);
    grid->addWidget(sendAllButton_, grid->rowCount() - 1, 1);
    connect(sendOneButton_, &QPushButton::clicked, this, &GlyphDialog::sendSelectedHeight);
    connect(sendAllButton_, &QPushButton::clicked, this, &GlyphDialog::sendAllHeights);
    return page;
}

QWidget* GlyphDialog::buildCustomPage(const QStringList& dpiList, const QStringList& fonts) {
    auto* page = named(new QWidget, "TabSheet2");
    auto* grid = new QGridLayout(page);
    valueEdit_ = named(new QLineEdit(tr("请输入字模")), "Edt_FontValue");
    userFontBox_ = fontList("Comb_UserFont", fonts);
    QStringList heights;
    for (int i = 1; i <= kCustomHeights; ++i) heights << QString::number(8 * i);
    userHeightBox_ = fixedList("Comb_UserFontHeight", heights, 0);
    // The second entry; a list of one entry (the default) has that one selected, so columns can still be
    // sent.
    userDpiBox_ = fixedList("Comb_UserDpi", dpiList, dpiList.size() > 1 ? 1 : 0);
    userDpiLabel_ = named(new QLabel(tr("分辨率")), "Label6");
    directionBox_ = fixedList("ComboBox1", {tr("纵向"), tr("横向")}, 0);
    addRow(grid, tr("字模值"), valueEdit_);
    addRow(grid, tr("字体"), userFontBox_);
    addRow(grid, tr("字高"), userHeightBox_);
    addRow(grid, {}, userDpiBox_, userDpiLabel_);
    addRow(grid, tr("方向"), directionBox_);
    userSendButton_ = named(new QPushButton(tr("发送")), "Btn_UserSend");
    grid->addWidget(userSendButton_, grid->rowCount(), 1);
    connect(directionBox_, &QComboBox::currentIndexChanged, this, &GlyphDialog::directionChanged);
    connect(userSendButton_, &QPushButton::clicked, this, &GlyphDialog::sendCustom);
    return page;
}

void GlyphDialog::directionChanged() {
    const bool columns = directionBox_->currentIndex() != 1;
    userDpiLabel_->setEnabled(columns);
    userDpiBox_->setEnabled(columns);
}

void GlyphDialog::buildAndSend(const std::function<QList<GlyphPayload>()>& build) {
    runCommand(this, [&] {
        const QList<GlyphPayload> payloads = build();
        if (send_) send_(payloads);
    });
}

void GlyphDialog::sendSelectedHeight() {
    buildAndSend([this] {
        return standardPayloads({heightBox_->currentIndex()}, dpiBox_->currentIndex() + 1, fontBox_->currentText(),
                                writeCode16_);
    });
}

void GlyphDialog::sendAllHeights() {
    buildAndSend([this] {
        return standardPayloads({0, 1, 2, 3, 4, 5}, dpiBox_->currentIndex() + 1, fontBox_->currentText(), writeCode16_);
    });
}

void GlyphDialog::sendCustom() {
    buildAndSend([this] {
        return QList<GlyphPayload>{
            customPayload({valueEdit_->text(), userFontBox_->currentText(), userHeightBox_->currentIndex() + 1,
                           directionBox_->currentIndex() == 1, dpiList_, userDpiBox_->currentIndex() + 1})};
    });
}
