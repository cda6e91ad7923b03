// barcode: placeholder until the barcode element lands.
#include "CliSupport.h"
#include "Commands.h"

static int notYet(const QStringList&) {
    printErr(QStringLiteral("not available yet"));
    return kExitError;
}
const CliCommand kBarcodeCommand{"barcode", "barcode --type NAME --caption TEXT --out FILE.png", notYet};
