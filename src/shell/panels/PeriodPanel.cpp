#include "shell/panels/PeriodPanel.h"

PeriodPanel::PeriodPanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csPeriod, QStringLiteral("GrpBox_Period"), QStringLiteral("有效期属性"), QStringLiteral("Period"),
                 parent) {}
