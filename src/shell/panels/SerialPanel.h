#pragma once
// The property panel of a serial number field (GrpBox_No): lead text, height,
// digits, start value, increment and spacing.
#include "shell/panels/VariablePanel.h"

class InitValueBox;
class RangeSpinBox;

class SerialPanel : public VariablePanel {
    Q_OBJECT
public:
    explicit SerialPanel(MessageTemplate& message, QWidget* parent = nullptr);

protected:
    void fillFrom(FieldElement& element) override;
    void redraw(FieldImage& field) override;

private:
    void storeStart(bool onlyWhenNotEmpty);
    void storeIncrement();

    QComboBox* digits_;
    InitValueBox* start_;
    RangeSpinBox* increment_;
};
