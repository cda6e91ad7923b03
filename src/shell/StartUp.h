#pragma once
// Start-up pieces that need no window.
#include <QStringList>

// The string panel's font list: the host's faces without "Dot Matrix" and
// "Dots All For Now JL", then "岱霖字体2".
QStringList stringFieldFontList(const QStringList& hostFamilies);

// Application-wide set-up: title, font substitutions, Qt's texts in Chinese, default font.
void initApplication();
