#pragma once
// The property panel of a text string field (GrpBox_Str).
#include "shell/panels/FieldPanel.h"

class StringPanel : public FieldPanel {
    Q_OBJECT
public:
    explicit StringPanel(MessageTemplate& message, QWidget* parent = nullptr);
};
