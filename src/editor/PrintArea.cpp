#include "editor/PrintArea.h"

#include <QCoreApplication>

QRect printArea(int canvasWidth) {
    return {0, 0, canvasWidth, kPrintStripHeight};
}

QRegion outsidePrintArea(const QRect& field, int canvasWidth) {
    return QRegion(field).subtracted(QRegion(printArea(canvasWidth)));
}

QString fieldLabel(const FieldElement& element) {
    // The palette's words, but a barcode is simply "条码" to the operator.
    const QString kind =
        element.isBarcode() ? QCoreApplication::translate("PrintArea", "条码") : kindHint(element.kind());
    const QPoint at = element.templatePos();
    return QCoreApplication::translate("PrintArea", "%1（X %2，Y %3）").arg(kind).arg(at.x()).arg(at.y());
}

QList<FieldOutside> fieldsOutsidePrintArea(const MessageTemplate& message, int canvasWidth) {
    QList<FieldOutside> found;
    for (const FieldElement* e : message.addressable()) {
        const QRect rect(e->templatePos(), QSize(e->Width(), e->Height()));
        if (QRegion outside = outsidePrintArea(rect, canvasWidth); !outside.isEmpty())
            found.push_back({e->number(), fieldLabel(*e), outside});
    }
    return found;
}
