#include "common/FontSetup.h"

#include <QFont>
#include <QString>

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Dots All For Now JL"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Dot Matrix"), QStringLiteral("Liberation Mono"));
}
