#pragma once
// The property panel of a picture field (GrpBox_Image).
#include "shell/panels/FieldPanel.h"

class ImagePanel : public FieldPanel {
    Q_OBJECT
public:
    explicit ImagePanel(MessageTemplate& message, QWidget* parent = nullptr);
};
