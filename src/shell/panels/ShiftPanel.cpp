#include "shell/panels/ShiftPanel.h"

#include "model/FieldRender.h"
#include "shell/panels/KeptValue.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"

#include <QComboBox>
#include <QGridLayout>

ShiftPanel::ShiftPanel(MessageTemplate& message, QWidget* parent)
    : VariablePanel(message, csRunNo,
                    {QStringLiteral("GrpBox_RunNo"), tr("班次属性"), QStringLiteral("RunNo"),
                     QStringLiteral("CombRunNo_Explain"), QStringLiteral("CombRunNo_FontSize")},
                    {tr("无"), QStringLiteral("班次：")}, parent),
      letter_(
          newList(controlsArea(), QStringLiteral("CombRunNo_Init"), {"A", "B", "C", "D", "E", "F", "G", "H"}, true)) {
    addLabelled(controlsGrid(), 1, 0, tr("班次"), letter_);
    addLabelled(controlsGrid(), 1, 1, tr("间距"), spaceBox());
    controlsGrid()->setColumnStretch(4, 1);
    connect(letter_, &QComboBox::editTextChanged, this, [this](const QString& letter) {
        edit([letter](FieldImage& f) { f.SetUserValue(keptText(tr("班次"), letter)); });
    });
}

void ShiftPanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    fillLead(field, false);
    fillHeight(field);
    selectListItem(*letter_, letter_->findText(field.UserValue(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    fillSpace(field);
}

void ShiftPanel::redraw(FieldImage& field) {
    drawFieldText(field, field.UserExplain(), field.UserSpace(), previewPoints(), field.UserValue());
}
