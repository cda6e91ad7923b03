#include "shell/panels/PeriodPanel.h"

#include "editor/TemplateKeys.h"
#include "model/DateStyles.h"
#include "model/FieldRender.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"
#include "shell/panels/RangeSpinBox.h"

#include <QComboBox>
#include <QGridLayout>

PeriodPanel::PeriodPanel(MessageTemplate& message, QWidget* parent)
    : VariablePanel(message, csPeriod,
                    {QStringLiteral("GrpBox_Period"), tr("有效期属性"), QStringLiteral("Period"),
                     QStringLiteral("CombPeriod_Explain"), QStringLiteral("CombPeriod_Fontsize")},
                    {tr("无"), QStringLiteral("有效期："), QStringLiteral("期限：")}, parent),
      style_(newStyleList(QStringLiteral("CombPeriod_Style"))),
      days_(new RangeSpinBox(spt::kUserPeriod.low, spt::kUserPeriod.high, controlsArea())) {
    days_->setObjectName(QStringLiteral("SpnEdtPeriod_Day"));
    addLabelled(controlsGrid(), 0, 2, tr("有效期"), days_, tr("天"));
    addLabelled(controlsGrid(), 1, 0, tr("格式"), style_);
    addLabelled(controlsGrid(), 1, 1, tr("间距"), spaceBox());
    controlsGrid()->setColumnStretch(6, 1);
    connect(days_, &RangeSpinBox::changed, this, &PeriodPanel::storeDays);
    connect(days_, &RangeSpinBox::committed, this, &PeriodPanel::storeDays);
}

void PeriodPanel::storeDays() {
    edit([this](FieldImage& f) { f.SetUserPeriod(days_->boxValue()); });
}

void PeriodPanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    fillLead(field, false);
    fillHeight(field);
    fillDateStyle(*style_, field);
    fillSpace(field);
    days_->setValue(field.UserPeriod());
}

void PeriodPanel::redraw(FieldImage& field) {
    drawFieldText(field, field.UserExplain(), field.UserSpace(), previewPoints(),
                  formatFieldDate(shownIndex(*style_), days_->boxValue(), message().now()));
}
