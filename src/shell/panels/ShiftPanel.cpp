#include "shell/panels/ShiftPanel.h"

ShiftPanel::ShiftPanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csRunNo, QStringLiteral("GrpBox_RunNo"), QStringLiteral("班次属性"), QStringLiteral("RunNo"),
                 parent) {}
