#include "model/FieldPlacement.h"

#include "common/TextPieces.h"
#include "model/Coordinates.h"
#include "model/DateStyles.h"
#include "model/FieldError.h"
#include "model/FieldPicture.h"
#include "model/FieldRender.h"
#include "model/FontTable.h"
#include "model/PicturePath.h"

namespace {

constexpr int kNewPictureSize = 64;
constexpr int kNewSpacing = 2;
constexpr int kNewFontDots = 16;

int previewPoints(const FieldImage& field) {
    return labelToPoints(dotsToLabel(field.UserFontSize()));
}

int styleIndex(const FieldImage& field) {
    return dateStyleIndex(field.UserValue()).value_or(-1);
}

} // namespace

void applyNewFieldDefaults(FieldImage& field) {
    switch (field.UserStyle()) {
    case csImage: field.SetUserValue(QString()); return;
    case csStr:
        field.SetUserValue(QStringLiteral("中华人民共和国制造"));
        field.SetUserFont(FieldFont{kPreviewFace, 12, false, false, false});
        field.SetUserSpace(kNewSpacing);
        field.SetUserFontSize(kNewFontDots);
        return;
    default: break;
    }
    if (!isVariableKind(field.UserStyle())) return;
    const VariableFieldDefaults& d = variableFieldDefaults(field.UserStyle());
    field.SetUserValue(QString::fromUtf8(d.newValue));
    field.SetUserExplain(QString::fromUtf8(d.lead));
    field.SetUserFontSize(kNewFontDots);
    field.SetUserSpace(kNewSpacing);
    if (field.UserStyle() == csPeriod) field.SetUserPeriod(365);
    if (field.UserStyle() == csNo) {
        field.SetUserNoDigit(8);
        field.SetUserIncrement(1);
        field.SetUserPeriod(1);
    }
}

void applyNewBarcodeDefaults(Barcode& barcode) {
    barcode.SetBar_CodeType(EAN_13);
    barcode.SetBar_ModuleWidth(SC9);
    barcode.SetBar_HeightPercent(85);
    barcode.SetBar_Caption(QByteArray("1234567890128"));
    barcode.SetBar_HumanReadable(true);
}

void drawFieldPreview(FieldImage& field, const QDateTime& now) {
    const QString lead = field.UserExplain();
    const int space = field.UserSpace();
    switch (field.UserStyle()) {
    case csImage:
        resetFieldBox(field, field.Width(), field.Height());
        loadFieldPicture(field, field.UserValue());
        return;
    case csStr: drawStringField(field, field.UserValue(), field.UserFont(), space); return;
    case csDate:
        drawFieldText(field, lead, space, previewPoints(field), formatFieldDate(styleIndex(field), 0, now));
        return;
    case csPeriod:
        drawFieldText(field, lead, space, previewPoints(field),
                      formatFieldDate(styleIndex(field), field.UserPeriod(), now));
        return;
    case csNo: drawSerialText(field, lead, field.UserNoDigit(), space, previewPoints(field), field.UserValue()); return;
    case csRunNo: drawFieldText(field, lead, space, previewPoints(field), field.UserValue()); return;
    case csBarCode: return; // not a FieldImage kind
    }
}

QString drawOpenedPreview(FieldImage& field, const QString& templateFolder, PictureBudget* budget) {
    const QString lead = field.UserExplain();
    const int space = field.UserSpace();
    const int dots = field.UserFontSize();
    switch (field.UserStyle()) {
    case csImage:
        resetFieldBox(field, field.Width(), field.Height());
        // An opened picture that cannot be read stays white in its frame.
        try {
            if (trimBlanks(field.UserValue()).isEmpty() ||
                loadFieldPicture(field, picturePathToRead(field.UserValue(), templateFolder), budget))
                return {};
            return QStringLiteral("cannot load the picture %1").arg(field.UserValue());
        } catch (const FieldError& e) {
            return QStringLiteral("cannot load the picture %1: %2").arg(field.UserValue(), QString::fromUtf8(e.what()));
        }
    case csStr: drawStringField(field, field.UserValue(), field.UserFont(), space); break;
    case csDate:
    case csPeriod: drawFieldTextInDots(field, lead, space, dots, dateStyleSample(styleIndex(field))); break;
    case csNo:
        drawFieldTextInDots(field, lead, space, dots, padLeftZeros(field.UserValue(), field.UserNoDigit()));
        break;
    case csRunNo: drawFieldTextInDots(field, lead, space, dots, field.UserValue()); break;
    case csBarCode: break;
    }
    return {};
}

FieldElement& placeField(MessageTemplate& message, eStyle kind, int x, int y) {
    const int left = surfaceFromTemplate(x);
    const int top = surfaceFromTemplate(y);
    if (kind == csBarCode) {
        auto barcode = std::make_unique<Barcode>();
        barcode->SetLeft(left);
        barcode->SetTop(top);
        applyNewBarcodeDefaults(*barcode);
        FieldElement& placed = message.add(message.takeNextNumber(), std::move(barcode));
        message.select(&placed);
        return placed;
    }
    auto field = std::make_unique<FieldImage>();
    field->SetUserStyle(kind);
    field->SetLeft(left);
    field->SetTop(top);
    if (kind == csImage) field->setSize(kNewPictureSize, kNewPictureSize);
    applyNewFieldDefaults(*field);
    drawFieldPreview(*field, message.now());
    FieldElement& placed = message.add(message.takeNextNumber(), std::move(field));
    message.select(&placed);
    return placed;
}
