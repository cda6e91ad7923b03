#pragma once
// The property panel of a shift letter field (GrpBox_RunNo).
#include "shell/panels/FieldPanel.h"

class ShiftPanel : public FieldPanel {
    Q_OBJECT
public:
    explicit ShiftPanel(MessageTemplate& message, QWidget* parent = nullptr);
};
