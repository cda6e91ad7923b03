#pragma once
// Start-up pieces that need no window.
#include "common/Language.h"

#include <QStringList>

// The string panel's font list: the host's faces without "Dot Matrix" and
// "Dots All For Now JL", then "岱霖字体2".
QStringList stringFieldFontList(const QStringList& hostFamilies);

// Application-wide set-up: title, font substitutions, the interface language, default font.
void initApplication(Language language = Language::Chinese);
