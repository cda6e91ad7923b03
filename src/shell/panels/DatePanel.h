#pragma once
// The property panel of a production date field (GrpBox_Date): lead text,
// height, date style and spacing.
#include "shell/panels/VariablePanel.h"

class DatePanel : public VariablePanel {
    Q_OBJECT
public:
    explicit DatePanel(MessageTemplate& message, QWidget* parent = nullptr);

protected:
    void fillFrom(FieldElement& element) override;
    void redraw(FieldImage& field) override;

private:
    QComboBox* style_;
};
