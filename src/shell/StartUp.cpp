#include "shell/StartUp.h"

#include "common/FontSetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

QStringList stringFieldFontList(const QStringList& hostFamilies) {
    QStringList fonts = hostFamilies;
    fonts.removeOne(QStringLiteral("Dot Matrix"));
    fonts.removeOne(QStringLiteral("Dots All For Now JL"));
    fonts << QStringLiteral("岱霖字体2");
    return fonts;
}

void initApplication() {
    // The title; no display name, which the window system would add to every caption.
    QApplication::setApplicationName(QStringLiteral("daviduv"));
    installFontSubstitutions();
    // Qt's own dialog texts (file dialogs, message box buttons) in Simplified Chinese.
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}
