// .spt templates. Any file opens (or is refused whole as too large) without a
// crash; a file that opens saves to bytes that open to the same template: the
// same attributes and, in caption order, the same elements with the same keys
// (element numbers follow the caption order on opening, so they are left out
// of the comparison).
#include "FuzzSupport.h"

#include "barcode/BarcodeTypes.h"
#include "common/IniFile.h"
#include "common/TextPieces.h"
#include "editor/TemplateFile.h"
#include "model/FieldError.h"
#include "model/PictureBudget.h"

#include <QRegularExpression>

namespace {

QStringList sectionLines(const IniFile& ini, const QString& section) {
    QStringList lines;
    for (const QString& key : ini.keyNames(section)) lines << key + QLatin1Char('=') + ini.readString(section, key, {});
    return lines;
}

// What the saved bytes say about the template, element numbers left out.
QStringList described(const QByteArray& saved) {
    const IniFile ini = IniFile::fromBytes(saved);
    QStringList lines = sectionLines(ini, QStringLiteral("Main")).filter(QRegularExpression("^(?!ControlCaption=)"));
    for (const QString& section : splitText(ini.readString("Main", "ControlCaption", {}), QLatin1Char('/')))
        lines << QStringLiteral("--") << sectionLines(ini, section);
    return lines;
}

// Opens path and saves the template; false when opening refused the file.
bool openAndSave(const QString& path, QByteArray& saved) {
    MessageTemplate message;
    TemplateAttributes attributes;
    try {
        loadTemplate(message, path, [&](const TemplateAttributes& a) { attributes = a; });
    } catch (const BarcodeError&) {
        return false;
    } catch (const FieldError&) {
        return false;
    } catch (const TemplateTooLargeError&) { // refused whole: more pictures than a template's budget
        return false;
    }
    saved = templateFileBytes(message, attributes);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray first;
    if (!openAndSave(scratchFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))), first)) return 0;
    QByteArray second;
    FUZZ_CHECK(openAndSave(scratchFile(first, "saved.spt"), second), QStringLiteral("a saved template does not open"));
    FUZZ_CHECK(described(second) == described(first),
               QStringLiteral("reopening changed the template:\n%1\n----\n%2")
                   .arg(QString::fromLatin1(first), QString::fromLatin1(second)));
    return 0;
}
