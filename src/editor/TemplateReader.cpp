// Opening a template file: loadTemplate of TemplateFile.h.
#include "editor/TemplateFile.h"

#include "model/Coordinates.h"
#include "model/FieldPlacement.h"
#include "common/Gbk.h"
#include "common/IniFile.h"
#include "common/SharedRoutines.h"

namespace {

// Sizes beyond these are no template's and would only exhaust memory.
constexpr int kMaxCanvasWidth = 65535;
constexpr int kMaxCanvasHeight = 4096;
constexpr int kMaxPictureSide = 20048;

int sane(int value, int low, int high, int fallback) {
    return value < low || value > high ? fallback : value;
}

// The kind words in the order a caption piece is searched for them.
constexpr eStyle kSearchOrder[] = {csBarCode, csImage, csStr, csDate, csPeriod, csNo, csRunNo};

std::optional<eStyle> kindOfPiece(const QString& piece) {
    for (eStyle kind : kSearchOrder)
        if (piece.contains(kindWord(kind), Qt::CaseSensitive)) return kind;
    return std::nullopt;
}

QPoint readPosition(const IniFile& ini, const QString& section) {
    return {surfaceFromTemplate(ini.readInteger(section, "Left", 1)),
            surfaceFromTemplate(ini.readInteger(section, "Top", 1))};
}

// Sets one barcode property. A range the element refuses stops the opening;
// a value it cannot draw yet is kept (the element keeps its last picture).
template <typename Setter> void setBarcode(Barcode& barcode, Setter set) {
    try {
        set();
    } catch (const BarcodeError&) {
        if (!barcode.DrawError().isEmpty()) return;
        throw;
    }
}

std::unique_ptr<Barcode> readBarcode(const IniFile& ini, const QString& section) {
    auto b = std::make_unique<Barcode>();
    b->HoldDrawing(); // the six values below are checked in this order, then drawn once
    setBarcode(*b, [&] { b->SetBar_CodeType(ini.readInteger(section, "BarCodeType", 1)); });
    setBarcode(*b, [&] { b->SetBar_ModuleWidth(ini.readInteger(section, "ModuleWidth", 1)); });
    setBarcode(*b, [&] { b->SetBar_Rotation(ini.readInteger(section, "Rotation", 1)); });
    setBarcode(*b, [&] { b->SetBar_HeightPercent(ini.readInteger(section, "HeightPercent", 1)); });
    setBarcode(*b, [&] { b->SetBar_Caption(gbk::encode(ini.readString(section, "BarCodeValue", ""))); });
    setBarcode(*b, [&] { b->SetBar_HumanReadable(ini.readBool(section, "HumanReadable", true)); });
    setBarcode(*b, [&] { b->ReleaseDrawing(); });
    return b;
}

void readVariableField(const IniFile& ini, const QString& section, FieldImage& f) {
    struct Defaults {
        const char* explain;
        const char* value;
    };
    const Defaults d = f.UserStyle() == csDate     ? Defaults{"生产日期：", "A1"}
                       : f.UserStyle() == csPeriod ? Defaults{"有效期：", "A1"}
                       : f.UserStyle() == csNo     ? Defaults{"序号：", "1"}
                                                   : Defaults{"班次：", "1"};
    f.SetUserExplain(ini.readString(section, "UserExplain", QString::fromUtf8(d.explain)));
    f.SetUserFontSize(ini.readInteger(section, "UserFontSize", 16));
    f.SetUserSpace(ini.readInteger(section, "UserSpace", 16));
    f.SetUserValue(ini.readString(section, "UserValue", QString::fromUtf8(d.value)));
    if (f.UserStyle() == csPeriod) f.SetUserPeriod(ini.readInteger(section, "UserPeriod", 365));
    if (f.UserStyle() == csNo) {
        f.SetUserNoDigit(ini.readInteger(section, "UserNoDigit", 8));
        f.SetUserIncrement(ini.readInteger(section, "UserIncrement", 1));
    }
}

std::unique_ptr<FieldImage> readField(const IniFile& ini, const QString& section, eStyle kind) {
    auto f = std::make_unique<FieldImage>();
    f->SetUserStyle(kind);
    if (kind == csImage) {
        f->SetUserValue(ini.readString(section, "Source", ""));
        f->SetSize(sane(ini.readInteger(section, "Width", 1), 1, kMaxPictureSide, 1),
                   sane(ini.readInteger(section, "Height", 1), 1, kMaxPictureSide, 1));
    } else if (kind == csStr) {
        FieldFont font;
        font.name = ini.readString(section, "FontName", QStringLiteral("宋体"));
        font.size = ini.readInteger(section, "FontSize", 12);
        font.bold = ini.readBool(section, "Bold", false);
        font.italic = ini.readBool(section, "Italic", false);
        font.underline = ini.readBool(section, "Underline", false);
        f->SetUserFont(font);
        f->SetUserSpace(ini.readInteger(section, "Space", 2));
        f->SetUserFontSize(font.size);
        f->SetUserValue(ini.readString(section, "UserValue", ""));
    } else {
        readVariableField(ini, section, *f);
    }
    drawOpenedPreview(*f);
    return f;
}

} // namespace

void loadTemplate(MessageTemplate& message, const QString& path,
                  const std::function<void(const TemplateAttributes&)>& onAttributes) {
    const IniFile ini = IniFile::load(path);
    message.SetNextControlNo(0);
    TemplateAttributes attributes;
    attributes.width = sane(ini.readInteger("Main", "ImageWidth", 512), 1, kMaxCanvasWidth, 512);
    attributes.height = sane(ini.readInteger("Main", "ImageHeight", 512), 1, kMaxCanvasHeight, 512);
    attributes.moBan = ini.readInteger("Main", "MoBan", 1);
    attributes.zoom = ini.readString("Main", "Zoom", QStringLiteral("200dpi"));
    if (onAttributes) onAttributes(attributes);

    const QStringList pieces = splitText(ini.readString("Main", "ControlCaption", ""), QChar('/'));
    for (int i = 0; i < pieces.size(); ++i) {
        const auto kind = kindOfPiece(pieces[i]);
        if (!kind) continue;
        const QString& section = pieces[i];
        const QPoint at = readPosition(ini, section);
        FieldElement* element = nullptr;
        if (*kind == csBarCode) {
            auto barcode = readBarcode(ini, section);
            barcode->SetLeft(at.x());
            barcode->SetTop(at.y());
            element = &message.add(i, std::move(barcode));
        } else {
            auto field = readField(ini, section, *kind);
            field->SetLeft(at.x());
            field->SetTop(at.y());
            element = &message.add(i, std::move(field));
        }
        message.SetNextControlNo(message.NextControlNo() + 1);
        message.select(element);
    }
}
