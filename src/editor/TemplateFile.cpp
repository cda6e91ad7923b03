#include "editor/TemplateFile.h"

#include "model/FieldKind.h"

#include "common/Gbk.h"
#include "common/IniFile.h"
#include "editor/TemplateKeys.h"
#include "model/Coordinates.h"

namespace {

// The writer's INI file and the texts it could not hold in GBK.
struct Writer {
    IniFile ini;
    QStringList lost;

    void text(const QString& section, const char* key, const QString& value) {
        if (!gbk::canEncode(value)) lost << section + QChar('/') + QLatin1String(key);
        ini.writeString(section, key, value);
    }
    void number(const QString& section, const char* key, qint64 value) { ini.writeInteger(section, key, value); }
    void flag(const QString& section, const char* key, bool value) { ini.writeBool(section, key, value); }
};

void writePosition(Writer& w, const QString& section, const FieldElement& e) {
    w.number(section, spt::kLeft.name, templateFromSurface(e.Left()));
    w.number(section, spt::kTop.name, templateFromSurface(e.Top()));
}

void writeBarcode(Writer& w, const QString& section, const Barcode& b) {
    w.number(section, spt::kBarCodeType.name, b.Bar_CodeType());
    w.number(section, spt::kRotation.name, b.Bar_Rotation());
    w.number(section, spt::kModuleWidth.name, b.Bar_ModuleWidth());
    w.number(section, spt::kHeightPercent.name, b.Bar_HeightPercent());
    w.text(section, spt::kBarCodeValue.name, gbk::decode(b.Bar_Caption()));
    w.flag(section, spt::kHumanreadable, b.Bar_HumanReadable());
}

void writeField(Writer& w, const QString& section, const FieldElement& e) {
    const FieldImage& f = *e.asField();
    switch (f.UserStyle()) {
    case csImage:
        w.text(section, spt::kSource.name, f.UserValue());
        w.number(section, spt::kPictureWidth.name, e.Width());
        w.number(section, spt::kPictureHeight.name, e.Height());
        return;
    case csStr: {
        const FieldFont font = f.UserFont();
        w.text(section, spt::kFontName.name, font.name);
        w.number(section, spt::kFontSize.name, font.size);
        w.number(section, spt::kSpace.name, f.UserSpace());
        w.flag(section, spt::kBold, font.bold);
        w.flag(section, spt::kItalic, font.italic);
        w.flag(section, spt::kUnderline, font.underline);
        w.text(section, spt::kUserValue.name, f.UserValue());
        return;
    }
    default:
        w.text(section, spt::kUserExplain, f.UserExplain());
        w.number(section, spt::kUserFontSize.name, f.UserFontSize());
        w.number(section, spt::kUserSpace.name, f.UserSpace());
        w.text(section, spt::kUserValue.name, f.UserValue());
        if (f.UserStyle() == csPeriod) w.number(section, spt::kUserPeriod.name, f.UserPeriod());
        if (f.UserStyle() == csNo) {
            w.number(section, spt::kUserNoDigit.name, f.UserNoDigit());
            w.number(section, spt::kUserIncrement.name, f.UserIncrement());
        }
        return;
    }
}

Writer templateIni(const MessageTemplate& message, const TemplateAttributes& attributes) {
    Writer w;
    const QString main = QLatin1String(spt::kMain);
    w.number(main, spt::kImageWidth.name, attributes.width);
    w.number(main, spt::kImageHeight.name, attributes.height);
    w.number(main, spt::kMoBan.name, attributes.moBan);
    w.text(main, spt::kZoom.name, attributes.resolution);
    QStringList sections;
    for (const FieldElement* e : message.addressable()) {
        const QString section = kindWord(e->kind()) + QString::number(e->number());
        w.text(section, spt::kConStyle, kindWord(e->kind()));
        if (e->isBarcode()) writeBarcode(w, section, *e->asBarcode());
        else writeField(w, section, *e);
        writePosition(w, section, *e);
        sections << section;
    }
    w.number(main, spt::kControlCount, sections.size());
    w.text(main, spt::kControlCaption.name, sections.join(QChar('/')));
    return w;
}

bool isPictureSource(const QString& sectionAndKey) {
    return sectionAndKey.startsWith(QLatin1String("csImage")) &&
           sectionAndKey.endsWith(QChar('/') + QLatin1String(spt::kSource.name));
}

} // namespace

QByteArray templateFileBytes(const MessageTemplate& message, const TemplateAttributes& attributes) {
    return templateIni(message, attributes).ini.toBytes();
}

QStringList textsGbkCannotHold(const MessageTemplate& message, const TemplateAttributes& attributes) {
    return templateIni(message, attributes).lost;
}

QStringList fieldsGbkCannotHold(const MessageTemplate& message, const QStringList& keys) {
    QStringList fields;
    for (const QString& key : keys) {
        const QString section = key.section(QChar('/'), 0, 0);
        qsizetype digits = section.size();
        while (digits > 0 && section[digits - 1].isDigit()) --digits;
        bool numbered = false;
        const int number = section.mid(digits).toInt(&numbered);
        const FieldElement* e = numbered ? message.findAddressable(number) : nullptr;
        const QString field = e ? fieldCaption(e->kind(), e->templatePos().x(), e->templatePos().y())
                                : QCoreApplication::translate("TemplateFile", "模板属性");
        if (!fields.contains(field)) fields << field;
    }
    return fields;
}

void saveTemplate(const MessageTemplate& message, const TemplateAttributes& attributes, const QString& path,
                  LostCharacters lostCharacters) {
    const Writer w = templateIni(message, attributes);
    const bool pathLost = std::any_of(w.lost.begin(), w.lost.end(), isPictureSource);
    if (!w.lost.isEmpty() && (pathLost || lostCharacters == LostCharacters::Refuse))
        throw TemplateTextError(w.lost, fieldsGbkCannotHold(message, w.lost));
    if (const QString reason = w.ini.save(path); !reason.isEmpty())
        throw TemplateFileError(QStringLiteral("Unable to write to %1").arg(path).toStdString(), reason);
}
