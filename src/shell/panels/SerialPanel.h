#pragma once
// The property panel of a serial number field (GrpBox_No).
#include "shell/panels/FieldPanel.h"

class SerialPanel : public FieldPanel {
    Q_OBJECT
public:
    explicit SerialPanel(MessageTemplate& message, QWidget* parent = nullptr);
};
