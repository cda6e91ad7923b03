#pragma once
// The property panel of a shift letter field (GrpBox_RunNo): lead text,
// height, the shift letter and spacing.
#include "shell/panels/VariablePanel.h"

class ShiftPanel : public VariablePanel {
    Q_OBJECT
public:
    explicit ShiftPanel(MessageTemplate& message, QWidget* parent = nullptr);

protected:
    void fillFrom(FieldElement& element) override;
    void redraw(FieldImage& field) override;

private:
    QComboBox* letter_;
};
