#pragma once
// The widest message: a template `width` dots wide at 400 dpi (2 x width
// columns on the print head) holding the 65 addressable elements, every kind
// in turn, spread evenly over it.
#include "editor/TemplateFile.h"
#include "model/FieldPlacement.h"

#include <QStringList>

inline const QStringList kBenchDpis{"100dpi", "200dpi", "300dpi", "400dpi"};

inline void fillWidest(MessageTemplate& m, int width) {
    for (int n = 0; n <= MessageTemplate::kLastAddressable; ++n)
        placeField(m, kAllFieldKinds[n % kAllFieldKinds.size()], n * width / 66, (n * 37) % 64);
}

inline TemplateAttributes widestAttributes(int width) {
    return TemplateAttributes{width, 128, 1, QStringLiteral("400dpi")};
}
