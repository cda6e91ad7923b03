#include "editor/TemplateFile.h"

#include "model/Coordinates.h"
#include "common/Gbk.h"
#include "common/IniFile.h"

namespace {

void writePosition(IniFile& ini, const QString& section, const FieldElement& e) {
    ini.writeInteger(section, "Left", templateFromSurface(e.Left()));
    ini.writeInteger(section, "Top", templateFromSurface(e.Top()));
}

void writeBarcode(IniFile& ini, const QString& section, const Barcode& b) {
    ini.writeInteger(section, "BarCodeType", b.Bar_CodeType());
    ini.writeInteger(section, "Rotation", b.Bar_Rotation());
    ini.writeInteger(section, "ModuleWidth", b.Bar_ModuleWidth());
    ini.writeInteger(section, "HeightPercent", b.Bar_HeightPercent());
    ini.writeString(section, "BarCodeValue", gbk::decode(b.Bar_Caption()));
    ini.writeBool(section, "Humanreadable", b.Bar_HumanReadable());
}

void writeField(IniFile& ini, const QString& section, const FieldElement& e) {
    const FieldImage& f = *e.AsField();
    switch (f.UserStyle()) {
    case csImage:
        ini.writeString(section, "Source", f.UserValue());
        ini.writeInteger(section, "Width", e.Width());
        ini.writeInteger(section, "Height", e.Height());
        return;
    case csStr: {
        const FieldFont font = f.UserFont();
        ini.writeString(section, "FontName", font.name);
        ini.writeInteger(section, "FontSize", font.size);
        ini.writeInteger(section, "Space", f.UserSpace());
        ini.writeBool(section, "Bold", font.bold);
        ini.writeBool(section, "Italic", font.italic);
        ini.writeBool(section, "Underline", font.underline);
        ini.writeString(section, "UserValue", f.UserValue());
        return;
    }
    default:
        ini.writeString(section, "UserExplain", f.UserExplain());
        ini.writeInteger(section, "UserFontSize", f.UserFontSize());
        ini.writeInteger(section, "UserSpace", f.UserSpace());
        ini.writeString(section, "UserValue", f.UserValue());
        if (f.UserStyle() == csPeriod) ini.writeInteger(section, "UserPeriod", f.UserPeriod());
        if (f.UserStyle() == csNo) {
            ini.writeInteger(section, "UserNoDigit", f.UserNoDigit());
            ini.writeInteger(section, "UserIncrement", f.UserIncrement());
        }
        return;
    }
}

IniFile templateIni(const MessageTemplate& message, const TemplateAttributes& attributes) {
    IniFile ini;
    ini.writeInteger("Main", "ImageWidth", attributes.width);
    ini.writeInteger("Main", "ImageHeight", attributes.height);
    ini.writeInteger("Main", "MoBan", attributes.moBan);
    ini.writeString("Main", "Zoom", attributes.zoom);
    QStringList sections;
    for (const FieldElement* e : message.addressable()) {
        const QString section = kindWord(e->Kind()) + QString::number(e->Number());
        ini.writeString(section, "ConStyle", kindWord(e->Kind()));
        if (e->IsBarcode())
            writeBarcode(ini, section, *e->AsBarcode());
        else
            writeField(ini, section, *e);
        writePosition(ini, section, *e);
        sections << section;
    }
    ini.writeInteger("Main", "ControlCount", sections.size());
    ini.writeString("Main", "ControlCaption", sections.join(QChar('/')));
    return ini;
}

} // namespace

QByteArray templateFileBytes(const MessageTemplate& message, const TemplateAttributes& attributes) {
    return templateIni(message, attributes).toBytes();
}

void saveTemplate(const MessageTemplate& message, const TemplateAttributes& attributes, const QString& path) {
    if (!templateIni(message, attributes).save(path))
        throw TemplateFileError(QStringLiteral("Unable to write to %1").arg(path).toStdString());
}
