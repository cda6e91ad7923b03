#include "shell/panels/DatePanel.h"

#include "model/DateStyles.h"
#include "model/FieldRender.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"

#include <QComboBox>
#include <QGridLayout>

DatePanel::DatePanel(MessageTemplate& message, QWidget* parent)
    : VariablePanel(message, csDate,
                    {QStringLiteral("GrpBox_Date"), tr("时间、日期属性"), QStringLiteral("Date"),
                     QStringLiteral("CombDate_Explain"), QStringLiteral("CombDate_FontSize")},
                    {tr("无"), QStringLiteral("生产日期："), QStringLiteral("日期：")}, parent),
      style_(newStyleList(QStringLiteral("CombDate_Style"))) {
    addLabelled(controlsGrid(), 1, 0, tr("格式"), style_);
    addLabelled(controlsGrid(), 1, 1, tr("间距"), spaceBox());
    controlsGrid()->setColumnStretch(4, 1);
}

void DatePanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    fillLead(field, true);
    fillHeight(field);
    fillDateStyle(*style_, field);
    fillSpace(field);
}

void DatePanel::redraw(FieldImage& field) {
    drawFieldText(field, field.UserExplain(), field.UserSpace(), previewPoints(),
                  formatFieldDate(shownIndex(*style_), 0, message().now()));
}
