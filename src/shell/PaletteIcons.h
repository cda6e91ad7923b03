#pragma once
// The palette's icons, drawn here: an arrow, bars, a landscape, letters, a
// calendar, a calendar with an hourglass, "123", a shift clock, a red cross.
#include "shell/ToolPalette.h"

#include <QIcon>

QIcon paletteIcon(ToolPalette::Tool tool);
