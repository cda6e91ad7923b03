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

void initApplication(Language language) {
    // The title; no display name, which the window system would add to every caption.
    QApplication::setApplicationName(QStringLiteral("daviduv"));
    installFontSubstitutions();
    // Our texts and Qt's own dialog texts (file dialogs, message box buttons) in the language.
    if (!installLanguage(language)) qWarning("daviduv: the English translation is missing from this build");
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}
