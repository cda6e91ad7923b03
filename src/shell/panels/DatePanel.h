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

// A date style list (CombDate_Style, CombPeriod_Style): the ten samples, item i
// is style i; it starts showing "2006-01-10" with no item chosen.
QComboBox* newDateStyleList(QWidget* parent, const QString& name);
// Selects the style of a field's UserValue (no item outside 0..9). A code that
// is no hexadecimal number throws "'$<code>' is not a valid integer value".
void fillDateStyle(QComboBox& list, const FieldImage& field);
