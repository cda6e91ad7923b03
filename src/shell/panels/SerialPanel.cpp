#include "shell/panels/SerialPanel.h"

SerialPanel::SerialPanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csNo, QStringLiteral("GrpBox_No"), QStringLiteral("序号属性"), QStringLiteral("No"),
                 parent) {}
