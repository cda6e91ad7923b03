#include "shell/panels/DatePanel.h"

DatePanel::DatePanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csDate, QStringLiteral("GrpBox_Date"), QStringLiteral("时间、日期属性"), QStringLiteral("Date"),
                 parent) {}
