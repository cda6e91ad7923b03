#include "FieldPlacement.h"

#include "Coordinates.h"
#include "DateStyles.h"
#include "FieldError.h"
#include "FieldPicture.h"
#include "FieldRender.h"
#include "FontTable.h"
#include "SharedRoutines.h"

namespace {

constexpr int kNewPictureSize = 64;
constexpr int kNewSpacing = 2;
constexpr int kNewFontDots = 16;

int previewPoints(const TImageEx& field) {
    return LabelToPoints(DotsToLabel(field.UserFontSize()));
}

int styleIndex(const TImageEx& field) {
    return DateStyleIndex(field.UserValue()).value_or(-1);
}

} // namespace

void ApplyNewFieldDefaults(TImageEx& field) {
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

void ApplyNewBarcodeDefaults(TBarcode& barcode) {
    barcode.SetBar_CodeType(EAN_13);
    barcode.SetBar_ModuleWidth(SC9);
    barcode.SetBar_HeightPercent(85);
    barcode.SetBar_Caption(QByteArray("1234567890128"));
    barcode.SetBar_HumanReadable(true);
}

void DrawFieldPreview(TImageEx& field) {
    const QString lead = field.UserExplain();
    const int space = field.UserSpace();
    switch (field.UserStyle()) {
    case csImage:
        ResetFieldBox(field, field.Width(), field.Height());
        LoadFieldPicture(field, field.UserValue());
        return;
    case csStr: DrawStringField(field, field.UserValue(), field.UserFont(), space); return;
    case csDate:
        DrawFieldText(field, lead, space, previewPoints(field), FormatFieldDate(styleIndex(field), 0));
        return;
    case csPeriod:
        DrawFieldText(field, lead, space, previewPoints(field),
                      FormatFieldDate(styleIndex(field), field.UserPeriod()));
        return;
    case csNo:
        DrawSerialText(field, lead, field.UserNoDigit(), space, previewPoints(field), field.UserValue());
        return;
    case csRunNo: DrawFieldText(field, lead, space, previewPoints(field), field.UserValue()); return;
    case csBarCode: return; // not a TImageEx kind
    }
}

QString DrawOpenedPreview(TImageEx& field) {
    const QString lead = field.UserExplain();
    const int space = field.UserSpace();
    const int dots = field.UserFontSize();
    switch (field.UserStyle()) {
    case csImage:
        ResetFieldBox(field, field.Width(), field.Height());
        // An opened picture that cannot be read stays white in its frame.
        try {
            if (TrimBlanks(field.UserValue()).isEmpty() || LoadFieldPicture(field, field.UserValue())) return {};
            return QStringLiteral("cannot load the picture %1").arg(field.UserValue());
        } catch (const FieldError& e) {
            return QStringLiteral("cannot load the picture %1: %2").arg(field.UserValue(), QString::fromUtf8(e.what()));
        }
    case csStr: DrawStringField(field, field.UserValue(), field.UserFont(), space); break;
    case csDate:
    case csPeriod: DrawFieldTextInDots(field, lead, space, dots, DateStyleSample(styleIndex(field))); break;
    case csNo:
        DrawFieldTextInDots(field, lead, space, dots, PadLeftZeros(field.UserValue(), field.UserNoDigit()));
        break;
    case csRunNo: DrawFieldTextInDots(field, lead, space, dots, field.UserValue()); break;
    case csBarCode: break;
    }
    return {};
}

FieldElement& PlaceField(MessageTemplate& message, eStyle kind, int x, int y) {
    const int left = surfaceFromTemplate(x);
    const int top = surfaceFromTemplate(y);
    if (kind == csBarCode) {
        auto barcode = std::make_unique<TBarcode>();
        barcode->SetLeft(left);
        barcode->SetTop(top);
        ApplyNewBarcodeDefaults(*barcode);
        FieldElement& placed = message.add(message.TakeNextNumber(), std::move(barcode));
        message.select(&placed);
        return placed;
    }
    auto field = std::make_unique<TImageEx>();
    field->SetUserStyle(kind);
    field->SetLeft(left);
    field->SetTop(top);
    if (kind == csImage) field->SetSize(kNewPictureSize, kNewPictureSize);
    ApplyNewFieldDefaults(*field);
    DrawFieldPreview(*field);
    FieldElement& placed = message.add(message.TakeNextNumber(), std::move(field));
    message.select(&placed);
    return placed;
}
