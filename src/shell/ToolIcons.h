#pragma once
// The toolbar's pictures, drawn here so the program ships no icon files.
#include <QIcon>

enum class ToolIcon { New, Open, Save, Clock, Send, Search, Paint, About, Exit };

QIcon toolIcon(ToolIcon which);
// The program's own picture (window icon, About box): a print head marking dots.
QIcon programIcon();
