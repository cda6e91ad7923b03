#include "shell/TemplateAttributesDialog.h"

#include "common/NumberText.h"
#include "common/TextPieces.h"
#include "shell/DialogFrame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLocale>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kMinWidth = 32;
constexpr int kHeight = 128;

// A whole-number field that takes any number typed, so that OK can answer a
// number outside the range with the range instead of cutting digits off; the
// arrows step only within it.
class BoundedField : public QSpinBox {
public:
    BoundedField(int low, int high) : low_(low), high_(high) {
        setRange(-99999999, 99999999);
        setGroupSeparatorShown(true);
    }
    int low() const { return low_; }
    int high() const { return high_; }
    bool inRange() const { return value() >= low_ && value() <= high_; }
    void stepBy(int steps) override { setValue(std::clamp(value() + steps * singleStep(), low_, high_)); }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < high_) enabled |= StepUpEnabled;
        if (value() > low_) enabled |= StepDownEnabled;
        return enabled;
    }

private:
    int low_, high_;
};

QSpinBox* numberField(const char* name, int low, int high, int value) {
    auto* field = new BoundedField(low, high);
    field->setObjectName(QString::fromLatin1(name));
    field->setValue(value);
    return field;
}

// False, after the box "提示" naming the field's range, when the typed number lies outside it.
bool answeredInRange(QDialog& dialog, QSpinBox* box, const QString& label) {
    box->interpretText();
    const auto* field = static_cast<BoundedField*>(box);
    if (field->inRange()) return true;
    QMessageBox::warning(&dialog, TemplateAttributesDialog::tr("提示"),
                         TemplateAttributesDialog::tr("%1应在 %2 到 %3 之间。")
                             .arg(label, QLocale().toString(field->low()), QLocale().toString(field->high())));
    box->setFocus();
    box->selectAll();
    return false;
}
} // namespace

TemplateAttributesDialog::TemplateAttributesDialog(const RegStore& store, int maxLength, const QStringList& dpiList,
                                                   QWidget* parent)
    : QDialog(parent), store_(store) {
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
    height->setRange(kHeight, kHeight);
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
    const QString moBan = trimBlanks(store_.read(QStringLiteral("MoBan"), moBan_->text()));
    if (moBan.isEmpty()) {
        moBan_->setValue(1);
        store_.write(QStringLiteral("MoBan"), QStringLiteral("1"));
    } else {
        moBan_->setValue(readIntOr(moBan, moBan_->value()));
    }

    const QString resolution = trimBlanks(store_.read(QStringLiteral("Zoom"), zoom_->currentText()));
    if (!resolution.isEmpty()) {
        zoom_->setCurrentIndex(zoom_->findText(resolution, Qt::MatchFixedString)); // ignores case
    } else {
        zoom_->setCurrentIndex(zoom_->count() >= 2 ? 1 : -1);
        store_.write(QStringLiteral("Zoom"), zoom_->currentText());
    }

    const QString width = trimBlanks(store_.read(QStringLiteral("Width"), QString::number(width_->value())));
    width_->setValue(readIntOr(width, width_->value()));
}

int TemplateAttributesDialog::moBan() const {
    return moBan_->value();
}

QString TemplateAttributesDialog::resolution() const {
    return zoom_->currentText();
}

int TemplateAttributesDialog::canvasWidth() const {
    return width_->value();
}

void TemplateAttributesDialog::accept() {
    if (!answeredInRange(*this, moBan_, tr("模板号")) || !answeredInRange(*this, width_, tr("长度"))) return;
    store_.write(QStringLiteral("MoBan"), QString::number(moBan()));
    store_.write(QStringLiteral("Zoom"), resolution());
    store_.write(QStringLiteral("Width"), QString::number(canvasWidth()));
    QDialog::accept();
}
