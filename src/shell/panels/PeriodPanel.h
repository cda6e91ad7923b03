#pragma once
// The property panel of a expiry date field (GrpBox_Period).
#include "shell/panels/FieldPanel.h"

class PeriodPanel : public FieldPanel {
    Q_OBJECT
public:
    explicit PeriodPanel(MessageTemplate& message, QWidget* parent = nullptr);
};
