#include "shell/StartUp.h"

#include "common/FontSetup.h"

#include <QApplication>
#include <QFont>

QStringList stringFieldFontList(const QStringList& hostFamilies) {
    QStringList fonts = hostFamilies;
    fonts.removeOne(QStringLiteral("Dot Matrix"));
    fonts.removeOne(QStringLiteral("Dots All For Now JL"));
    fonts << QStringLiteral("岱霖字体2");
    return fonts;
}

void initApplication() {
    QApplication::setApplicationName(QStringLiteral("daviduv"));
    QApplication::setApplicationDisplayName(QStringLiteral("daviduv"));
    installFontSubstitutions();
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}
