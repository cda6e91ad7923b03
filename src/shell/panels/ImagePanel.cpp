#include "shell/panels/ImagePanel.h"

ImagePanel::ImagePanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csImage, QStringLiteral("GrpBox_Image"), QStringLiteral("图片属性"), QStringLiteral("Image"),
                 parent) {}
