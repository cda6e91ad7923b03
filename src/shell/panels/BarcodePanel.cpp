#include "shell/panels/BarcodePanel.h"

BarcodePanel::BarcodePanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csBarCode, QStringLiteral("GrpBox_BarCode"), QStringLiteral("条形码属性"), QStringLiteral("BarCode"),
                 parent) {}
