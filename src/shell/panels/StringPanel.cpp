#include "shell/panels/StringPanel.h"

StringPanel::StringPanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csStr, QStringLiteral("GrpBox_Str"), QStringLiteral("字符串属性"), QStringLiteral("Str"),
                 parent) {}
