#include "shell/TemplateAttributesDialog.h"

#include "common/RegStore.h"
#include "common/SharedRoutines.h"
#include "shell/DialogFrame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kMinWidth = 32;
constexpr int kHeight = 128;

QSpinBox* numberField(const char* name, int low, int high, int value) {
    auto* field = new QSpinBox;
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(low, high);
    field->setValue(value);
    field->setGroupSeparatorShown(true);
    return field;
}
} // namespace

TemplateAttributesDialog::TemplateAttributesDialog(int maxLength, const QStringList& dpiList, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_Attribute"));
    setWindowTitle(tr("模板属性"));
    useCloseBoxOnly(*this);

    moBan_ = numberField("Edt_Moban", 0, 255, 1);
    zoom_ = new QComboBox;
    zoom_->setObjectName(QStringLiteral("Comb_Zoom"));
    zoom_->addItems(dpiList);
    zoom_->setCurrentIndex(-1);
    width_ = numberField("Edt_Width", kMinWidth, std::max(kMinWidth, maxLength), 512);
    auto* height = numberField("Edt_Height", kHeight, kHeight, kHeight);
    height->setReadOnly(true);
    height->setEnabled(false);

    auto* top = new QFormLayout;
    top->addRow(tr("模板号"), moBan_);
    top->addRow(tr("分辨率"), zoom_);
    auto* size = new QGroupBox(tr("模板尺寸"));
    auto* sizeRow = new QFormLayout(size);
    sizeRow->addRow(tr("长度"), width_);
    sizeRow->addRow(tr("高度"), height);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(size);
    layout->addLayout(okCancelRow(*this, QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cannel")));
    setFixedSize(322, std::max(150, sizeHint().height()));
    presetFromStore();
}

void TemplateAttributesDialog::presetFromStore() {
    const QString moBan = trimBlanks(readRegString(QStringLiteral("MoBan"), moBan_->text()));
    if (moBan.isEmpty()) {
        moBan_->setValue(1);
        writeRegString(QStringLiteral("MoBan"), QStringLiteral("1"));
    } else {
        moBan_->setValue(strToIntDef(moBan, moBan_->value()));
    }

    const QString zoom = trimBlanks(readRegString(QStringLiteral("Zoom"), zoom_->currentText()));
    if (!zoom.isEmpty()) {
        zoom_->setCurrentIndex(zoom_->findText(zoom, Qt::MatchFixedString)); // ignores case
    } else {
        zoom_->setCurrentIndex(zoom_->count() >= 2 ? 1 : -1);
        writeRegString(QStringLiteral("Zoom"), zoom_->currentText());
    }

    const QString width = trimBlanks(readRegString(QStringLiteral("Width"), QString::number(width_->value())));
    width_->setValue(strToIntDef(width, width_->value()));
}

int TemplateAttributesDialog::moBan() const {
    return moBan_->value();
}

QString TemplateAttributesDialog::zoom() const {
    return zoom_->currentText();
}

int TemplateAttributesDialog::canvasWidth() const {
    return width_->value();
}

void TemplateAttributesDialog::accept() {
    moBan_->interpretText();
    width_->interpretText();
    writeRegString(QStringLiteral("MoBan"), QString::number(moBan()));
    writeRegString(QStringLiteral("Zoom"), zoom());
    writeRegString(QStringLiteral("Width"), QString::number(canvasWidth()));
    QDialog::accept();
}
