#pragma once
// The property panel of a barcode field (GrpBox_BarCode).
#include "shell/panels/FieldPanel.h"

class BarcodePanel : public FieldPanel {
    Q_OBJECT
public:
    explicit BarcodePanel(MessageTemplate& message, QWidget* parent = nullptr);
};
