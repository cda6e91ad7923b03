#include "shell/panels/BarcodePanel.h"

#include "common/Gbk.h"
#include "common/OperatorError.h"
#include "common/TextPieces.h"
#include "shell/panels/PanelControls.h"
#include "shell/panels/RangeSpinBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>

std::optional<int> heightPercentForModuleWidth(int size) {
    if (size >= SC5 && size <= SC9) return 85;
    switch (size) {
    case SC10: return 57;
    case SC11: return 44;
    case SC12: return 36;
    case SC13: return 31;
    case SC14: return 28;
    default: return std::nullopt;
    }
}

QByteArray captionBytes(const QString& caption) {
    QString lost;
    for (qsizetype i = 0; i < caption.size();) {
        const qsizetype n = caption.at(i).isHighSurrogate() && i + 1 < caption.size() ? 2 : 1;
        const QString character = caption.mid(i, n);
        i += n;
        if (!gbk::canEncode(character) && !lost.contains(character)) lost += character;
    }
    if (!lost.isEmpty())
        throw OperatorError(
            QCoreApplication::translate("BarcodePanel", "码值不能含有 GBK 无法表示的字符：%1").arg(lost));
    return gbk::encode(caption);
}

BarcodePanel::BarcodePanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csBarCode, QStringLiteral("GrpBox_BarCode"), tr("条形码属性"), QStringLiteral("BarCode"),
                 parent),
      type_(newList(controlsArea(), QStringLiteral("CombBarCode_Style"), barcodeTypeNames(), false)),
      rotation_(newList(controlsArea(), QStringLiteral("CombBarCode_Rotation"),
                        {tr("0-0度"), tr("0-90度"), tr("0-180度"), tr("0-270度")}, false)),
      moduleWidth_(newList(controlsArea(), QStringLiteral("CombBarCode_ModuleWidth"),
                           {"SC0(0.270mm)", "SC1(0.297mm)", "SC2(0.330mm)", "SC3(0.363mm)", "SC4(0.396mm)",
                            "SC5(0.445mm)", "SC6(0.495mm)", "SC7(0.544mm)", "SC8(0.610mm)", "SC9(0.660mm)",
                            "SC10(0.710mm)", "SC11(1.000mm)", "SC12(1.200mm)", "SC13(1.500mm)", "SC14(1.750mm)"},
                           false)),
      heightPercent_(new RangeSpinBox(20, 200, controlsArea())), caption_(new QLineEdit(controlsArea())),
      humanReadable_(new QCheckBox(tr("显示码值"), controlsArea())) {
    type_->setCurrentIndex(EAN_13);
    moduleWidth_->setCurrentIndex(SC2);
    heightPercent_->setObjectName(QStringLiteral("SpnEdtBarCode_HeightPercent"));
    heightPercent_->setTypingAllowed(false);
    heightPercent_->setValue(100);
    caption_->setObjectName(QStringLiteral("EdtBarCode_Caption"));
    humanReadable_->setObjectName(QStringLiteral("ChkBarCode_Humanreadable"));
    humanReadable_->setChecked(true);

    QGridLayout* grid = controlsGrid();
    addLabelled(grid, 0, 0, tr("样式"), type_);
    addLabelled(grid, 0, 1, tr("旋转"), rotation_);
    addLabelled(grid, 0, 2, tr("缩放"), moduleWidth_);
    addLabelled(grid, 1, 0, tr("码值"), caption_);
    addLabelled(grid, 1, 1, tr("高度缩放"), heightPercent_, QStringLiteral("%"));
    grid->addWidget(humanReadable_, 1, 4, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(type_, &QComboBox::currentIndexChanged, this,
            [this](int type) { editBarcode({[type](Barcode& b) { b.SetBar_CodeType(type); }}); });
    connect(rotation_, &QComboBox::currentIndexChanged, this,
            [this](int turn) { editBarcode({[turn](Barcode& b) { b.SetBar_Rotation(turn); }}); });
    connect(moduleWidth_, &QComboBox::currentIndexChanged, this, &BarcodePanel::chooseModuleWidth);
    connect(heightPercent_, &RangeSpinBox::changed, this, [this] {
        editBarcode({[percent = heightPercent_->boxValue()](Barcode& b) { b.SetBar_HeightPercent(percent); }});
    });
    connect(caption_, &QLineEdit::textChanged, this, [this](const QString& text) {
        editBarcode({[caption = trimBlanks(text)](Barcode& b) { b.SetBar_Caption(captionBytes(caption)); }});
    });
    connect(humanReadable_, &QCheckBox::clicked, this,
            [this](bool on) { editBarcode({[on](Barcode& b) { b.SetBar_HumanReadable(on); }}); });
}

void BarcodePanel::chooseModuleWidth(int size) {
    const std::optional<int> percent = heightPercentForModuleWidth(size);
    editBarcode({[size](Barcode& b) { b.SetBar_ModuleWidth(size); },
                 [percent](Barcode& b) {
                     if (percent) b.SetBar_HeightPercent(*percent);
                 }});
}

void BarcodePanel::editBarcode(std::initializer_list<std::function<void(Barcode&)>> steps) {
    FieldElement* e = selectedOfKind();
    if (!e || !e->asBarcode()) return;
    QString failure;
    recordEdit(
        *e,
        [&] {
            for (const auto& step : steps) {
                try {
                    step(*e->asBarcode());
                } catch (const OperatorError& error) {
                    if (failure.isEmpty()) failure = error.text();
                }
            }
            message().notifyChanged(*e);
        },
        typingKey());
    if (failure.isEmpty()) return;
    const QString held = gbk::decode(e->asBarcode()->Bar_Caption());
    if (trimBlanks(caption_->text()) != held) {
        const QSignalBlocker quiet(caption_);
        caption_->setText(held);
    }
    reportError(failure);
}

void BarcodePanel::fillFrom(FieldElement& element) {
    const Barcode& barcode = *element.asBarcode();
    selectListItem(*type_, barcode.Bar_CodeType());
    selectListItem(*rotation_, barcode.Bar_Rotation());
    selectListItem(*moduleWidth_, barcode.Bar_ModuleWidth());
    heightPercent_->setValue(barcode.Bar_HeightPercent());
    caption_->setText(gbk::decode(barcode.Bar_Caption()));
    humanReadable_->setChecked(barcode.Bar_HumanReadable());
}
