#include "shell/panels/SerialPanel.h"

#include "common/NumberText.h"
#include "editor/TemplateKeys.h"
#include "model/FieldError.h"
#include "model/FieldRender.h"
#include "shell/panels/InitValueBox.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"
#include "shell/panels/RangeSpinBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>

namespace {
constexpr int kMostDigits = spt::kUserNoDigit.high; // the list starts at 1, the lowest kept

QStringList digitItems() {
    QStringList items;
    for (int n = 1; n <= kMostDigits; ++n) items << QCoreApplication::translate("SerialPanel", "%1位").arg(n);
    return items;
}
} // namespace

SerialPanel::SerialPanel(MessageTemplate& message, QWidget* parent)
    : VariablePanel(message, csNo,
                    {QStringLiteral("GrpBox_No"), tr("序号属性"), QStringLiteral("No"),
                     QStringLiteral("CombNo_Explain"), QStringLiteral("CombNo_FontSize")},
                    {tr("无"), QStringLiteral("序号："), QStringLiteral("序列号："), QStringLiteral("编号："),
                     QStringLiteral("产品编号：")},
                    parent),
      digits_(newList(controlsArea(), QStringLiteral("CombNo_Digit"), digitItems(), false)),
      start_(new InitValueBox(controlsArea())),
      increment_(new RangeSpinBox(spt::kUserIncrement.low, spt::kUserIncrement.high, controlsArea())) {
    digits_->setCurrentIndex(7);
    start_->setObjectName(QStringLiteral("SpnEdtNo_Init"));
    start_->setLengthLimit(kMostDigits);
    increment_->setObjectName(QStringLiteral("SpnEdtNo_Increment"));
    increment_->setTypingAllowed(false);
    increment_->setValue(0);
    addLabelled(controlsGrid(), 0, 2, tr("位数"), digits_);
    addLabelled(controlsGrid(), 1, 0, tr("初始值"), start_);
    addLabelled(controlsGrid(), 1, 1, tr("增量"), increment_);
    addLabelled(controlsGrid(), 1, 2, tr("间距"), spaceBox());
    controlsGrid()->setColumnStretch(6, 1);

    connect(digits_, &QComboBox::currentIndexChanged, this, [this](int index) {
        edit([this, index](FieldImage& f) {
            f.SetUserNoDigit(index + 1);
            start_->setLengthLimit(index + 1);
        });
    });
    connect(start_, &QLineEdit::textChanged, this, [this] { storeStart(true); });
    connect(start_, &InitValueBox::committed, this, [this] { storeStart(false); });
    connect(increment_, &RangeSpinBox::changed, this, &SerialPanel::storeIncrement);
    connect(increment_, &RangeSpinBox::committed, this, &SerialPanel::storeIncrement);
}

void SerialPanel::storeStart(bool onlyWhenNotEmpty) {
    if (onlyWhenNotEmpty && start_->text().isEmpty()) return;
    edit([this](FieldImage& f) { f.SetUserValue(start_->text()); });
}

void SerialPanel::storeIncrement() {
    edit([this](FieldImage& f) { f.SetUserIncrement(increment_->boxValue()); });
}

void SerialPanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    fillLead(field, false);
    fillHeight(field);
    increment_->setValue(field.UserIncrement());
    selectListItem(*digits_, field.UserNoDigit() - 1);
    start_->setLengthLimit(field.UserNoDigit());
    const auto start = readDecimal64(field.UserValue());
    if (!start) throw notAnInteger(field.UserValue());
    start_->setText(QString::number(*start));
    fillSpace(field);
}

void SerialPanel::redraw(FieldImage& field) {
    drawSerialText(field, field.UserExplain(), field.UserNoDigit(), field.UserSpace(), previewPoints(),
                   field.UserValue());
}
