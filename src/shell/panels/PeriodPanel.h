#pragma once
// The property panel of an expiry date field (GrpBox_Period): lead text,
// height, date style, the number of days and spacing.
#include "shell/panels/VariablePanel.h"

class RangeSpinBox;

class PeriodPanel : public VariablePanel {
    Q_OBJECT
public:
    explicit PeriodPanel(MessageTemplate& message, QWidget* parent = nullptr);

protected:
    void fillFrom(FieldElement& element) override;
    void redraw(FieldImage& field) override;

private:
    void storeDays();

    QComboBox* style_;
    RangeSpinBox* days_;
};
