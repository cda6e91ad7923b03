// Opening a template file: loadTemplate and notATemplateReason of TemplateFile.h.
#include "editor/TemplateFile.h"

#include "common/Gbk.h"
#include "common/IniFile.h"
#include "common/TextPieces.h"
#include "editor/TemplateKeys.h"
#include "model/Coordinates.h"
#include "model/FieldPlacement.h"
#include "model/PictureBudget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <vector>

namespace {

// A number outside the key's range reads as its default, or as the nearest end of the range.
int read(const IniFile& ini, const QString& section, const IntegerKey& key) {
    const int value = ini.readInteger(section, key.name, key.fallback);
    if (spt::keeps(key, value)) return value;
    if (key.outOfRange == OutOfRange::NearestEnd) return value < key.low ? key.low : key.high;
    return key.fallback;
}

QString read(const IniFile& ini, const QString& section, const TextKey& key) {
    return ini.readString(section, key.name, QString::fromUtf8(key.fallback));
}

// The kind words in the order a caption piece is searched for them.
constexpr eStyle kSearchOrder[] = {csBarCode, csImage, csStr, csDate, csPeriod, csNo, csRunNo};

std::optional<eStyle> kindOfPiece(const QString& piece) {
    for (eStyle kind : kSearchOrder)
        if (piece.contains(kindWord(kind), Qt::CaseSensitive)) return kind;
    return std::nullopt;
}

QPoint readPosition(const IniFile& ini, const QString& section) {
    return {surfaceFromTemplate(read(ini, section, spt::kLeft)), surfaceFromTemplate(read(ini, section, spt::kTop))};
}

// Sets one barcode property. A range the element refuses stops the opening;
// a value it cannot draw yet is kept (the element keeps its last picture).
template <typename Setter> void setBarcode(Barcode& barcode, Setter set) {
    try {
        set();
    } catch (const BarcodeError&) {
        if (!barcode.drawError().isEmpty()) return;
        throw;
    }
}

std::unique_ptr<Barcode> readBarcode(const IniFile& ini, const QString& section) {
    auto b = std::make_unique<Barcode>();
    b->holdDrawing(); // the six values below are checked in this order, then drawn once
    setBarcode(*b, [&] { b->SetBar_CodeType(read(ini, section, spt::kBarCodeType)); });
    setBarcode(*b, [&] { b->SetBar_ModuleWidth(read(ini, section, spt::kModuleWidth)); });
    setBarcode(*b, [&] { b->SetBar_Rotation(read(ini, section, spt::kRotation)); });
    setBarcode(*b, [&] { b->SetBar_HeightPercent(read(ini, section, spt::kHeightPercent)); });
    setBarcode(*b, [&] { b->SetBar_Caption(gbk::encode(read(ini, section, spt::kBarCodeValue))); });
    setBarcode(
        *b, [&] { b->SetBar_HumanReadable(ini.readBool(section, spt::kHumanreadable, spt::kHumanReadableFallback)); });
    setBarcode(*b, [&] { b->releaseDrawing(); });
    return b;
}

void readVariableField(const IniFile& ini, const QString& section, FieldImage& f) {
    const VariableFieldDefaults& d = variableFieldDefaults(f.UserStyle());
    f.SetUserExplain(ini.readString(section, spt::kUserExplain, QString::fromUtf8(d.lead)));
    f.SetUserFontSize(read(ini, section, spt::kUserFontSize));
    f.SetUserSpace(read(ini, section, spt::kUserSpace));
    f.SetUserValue(ini.readString(section, spt::kUserValue.name, QString::fromUtf8(d.fileValue)));
    if (f.UserStyle() == csPeriod) f.SetUserPeriod(read(ini, section, spt::kUserPeriod));
    if (f.UserStyle() == csNo) {
        f.SetUserNoDigit(read(ini, section, spt::kUserNoDigit));
        f.SetUserIncrement(read(ini, section, spt::kUserIncrement));
    }
}

std::unique_ptr<FieldImage> readField(const IniFile& ini, const QString& section, eStyle kind, const QString& folder,
                                      QString& problem, PictureBudget& budget) {
    auto f = std::make_unique<FieldImage>();
    f->SetUserStyle(kind);
    if (kind == csImage) {
        f->SetUserValue(read(ini, section, spt::kSource));
        f->setSize(read(ini, section, spt::kPictureWidth), read(ini, section, spt::kPictureHeight));
    } else if (kind == csStr) {
        FieldFont font;
        font.name = read(ini, section, spt::kFontName);
        font.size = read(ini, section, spt::kFontSize);
        font.bold = ini.readBool(section, spt::kBold, false);
        font.italic = ini.readBool(section, spt::kItalic, false);
        font.underline = ini.readBool(section, spt::kUnderline, false);
        f->SetUserFont(font);
        f->SetUserSpace(read(ini, section, spt::kSpace));
        f->SetUserFontSize(font.size);
        f->SetUserValue(read(ini, section, spt::kUserValue));
    } else {
        readVariableField(ini, section, *f);
    }
    problem = drawOpenedPreview(*f, folder, &budget);
    return f;
}

TemplateAttributes readAttributes(const IniFile& ini) {
    const QString main = QLatin1String(spt::kMain);
    TemplateAttributes a;
    a.width = read(ini, main, spt::kImageWidth);
    a.height = read(ini, main, spt::kImageHeight);
    a.moBan = read(ini, main, spt::kMoBan);
    a.resolution = read(ini, main, spt::kZoom);
    return a;
}

QStringList captionPieces(const IniFile& ini) {
    return splitText(read(ini, QLatin1String(spt::kMain), spt::kControlCaption), QChar('/'));
}

} // namespace

QString notATemplateReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return QStringLiteral("cannot read %1").arg(path);
    const IniFile ini = IniFile::load(path);
    if (!ini.hasSection(QLatin1String(spt::kMain)))
        return QStringLiteral("%1 is no template: it has no [%2] section").arg(path, QLatin1String(spt::kMain));
    for (const QString& piece : captionPieces(ini))
        if (kindOfPiece(piece) && !ini.hasSection(piece))
            return QStringLiteral("%1 is no template: its %2 names the section [%3], which it lacks")
                .arg(path, QLatin1String(spt::kControlCaption.name), piece);
    return {};
}

void loadTemplate(MessageTemplate& message, const QString& path,
                  const std::function<void(const TemplateAttributes&)>& onAttributes, QStringList* pictureProblems) {
    loadTemplate(message, IniFile::load(path), QFileInfo(path).absolutePath(), onAttributes, pictureProblems);
}

void loadTemplate(MessageTemplate& message, const IniFile& ini, const QString& folder,
                  const std::function<void(const TemplateAttributes&)>& onAttributes, QStringList* pictureProblems) {
    message.SetNextControlNo(0);
    PictureBudget budget;
    const TemplateAttributes attributes = readAttributes(ini);
    budget.spend(PictureBudget::monoBytes({attributes.width, attributes.height}),
                 QCoreApplication::translate("TemplateReader", "画布（%1 × %2 点）")
                     .arg(attributes.width)
                     .arg(attributes.height));
    if (onAttributes) onAttributes(attributes);

    std::vector<int> made;
    try {
        const QStringList pieces = captionPieces(ini);
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
                QString problem;
                auto field = readField(ini, section, *kind, folder, problem, budget);
                if (!problem.isEmpty() && pictureProblems) *pictureProblems << problem;
                field->SetLeft(at.x());
                field->SetTop(at.y());
                element = &message.add(i, std::move(field));
            }
            made.push_back(i);
            message.SetNextControlNo(message.NextControlNo() + 1);
            message.select(element);
            budget.spend(PictureBudget::monoBytes({element->Width(), element->Height()}),
                         QCoreApplication::translate("TemplateReader", "元素 %1（%2 × %3 点）")
                             .arg(section)
                             .arg(element->Width())
                             .arg(element->Height()));
        }
    } catch (const TemplateTooLargeError&) {
        // Refused whole: none of its elements stays.
        for (int number : made) message.remove(number);
        message.SetNextControlNo(0);
        throw;
    }
}
