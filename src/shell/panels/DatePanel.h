#pragma once
// The property panel of a production date field (GrpBox_Date).
#include "shell/panels/FieldPanel.h"

class DatePanel : public FieldPanel {
    Q_OBJECT
public:
    explicit DatePanel(MessageTemplate& message, QWidget* parent = nullptr);
};
