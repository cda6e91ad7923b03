#pragma once
// The print area: the strip of 128 dots under the print head, as long as the
// canvas. A field, or the part of it, that lies outside is drawn on the
// canvas but never printed. The editor marks those parts and asks before a
// send; daviduv-cli warns or refuses.
#include "model/MessageTemplate.h"

#include <QList>
#include <QRegion>

inline constexpr int kPrintStripHeight = 128;

struct FieldOutside {
    int number = 0;
    QString label;   // the field as the operator sees it: "条码（X 120，Y 10）"
    QRegion outside; // template dots of the field beyond the print area
};

// The print area in template dots.
QRect printArea(int canvasWidth);
// The part of a field's template rectangle beyond the print area (empty when inside).
QRegion outsidePrintArea(const QRect& field, int canvasWidth);
// The field's kind and template position: "条码（X 120，Y 10）", "字符串（X 0，Y -2）".
QString fieldLabel(const FieldElement& element);
// The fields 0..64 (those a send draws) that stick out, in number order.
QList<FieldOutside> fieldsOutsidePrintArea(const MessageTemplate& message, int canvasWidth);
