#pragma once
// The human-readable line: a font of a given character-cell height and its
// rendering without antialiasing, so every symbol is the same on every run.
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>

// The face at the largest pixel size whose line height fits the cell.
QFont textFont(const QString& face, int cellHeight);

// The text in black on white, as wide as its advance and as high as the font's
// line (top at row 0); Format_RGB32.
QImage renderText(const QString& text, const QFont& font);

// The dots of renderText(text, textFont(face, cellHeight)) for a GBK text: a
// 1-bit picture (mono convention) whose dots are its pixels that are not
// white. Kept for the last few hundred texts: a symbol is redrawn on every
// change of its element, mostly with the same text.
QImage symbolText(const QByteArray& gbkText, const QString& face, int cellHeight);
