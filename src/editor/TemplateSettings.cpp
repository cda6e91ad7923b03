#include "editor/TemplateSettings.h"

#include "common/Gbk.h"
#include "common/IniFile.h"
#include "common/NumberText.h"
#include "editor/TemplateKeys.h"

#include <climits>
#include <optional>

namespace {
// Every whole-number key of the file, with the range its reader keeps.
constexpr IntegerKey kIntegerKeys[] = {
    spt::kImageWidth,    spt::kImageHeight, spt::kMoBan,         spt::kLeft,          spt::kTop,
    spt::kBarCodeType,   spt::kRotation,    spt::kModuleWidth,   spt::kHeightPercent, spt::kPictureWidth,
    spt::kPictureHeight, spt::kFontSize,    spt::kSpace,         spt::kUserFontSize,  spt::kUserSpace,
    spt::kUserPeriod,    spt::kUserNoDigit, spt::kUserIncrement,
};
const char* const kSwitchKeys[] = {spt::kBold, spt::kItalic, spt::kUnderline, spt::kHumanreadable};
// Kept by the reader for the file's own bookkeeping: replacing them would
// change which elements the template has, not a value of one.
const char* const kStructureKeys[] = {spt::kControlCount, spt::kControlCaption.name, spt::kConStyle};

bool named(const QString& key, const char* name) {
    return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

const IntegerKey* integerKey(const QString& key) {
    for (const IntegerKey& k : kIntegerKeys)
        if (named(key, k.name)) return &k;
    return nullptr;
}

bool isOneOf(const QString& key, const auto& names) {
    for (const char* name : names)
        if (named(key, name)) return true;
    return false;
}

// Why the reader would not keep value for key, empty when it would.
QString valueRefusal(const QString& key, const QString& value) {
    if (const IntegerKey* k = integerKey(key)) {
        const std::optional<int> n = decimalInRange(value, k->low, k->high);
        if (!n) return QStringLiteral("%1 must be a whole number from %2 to %3").arg(key).arg(k->low).arg(k->high);
        return {};
    }
    if (isOneOf(key, kSwitchKeys)) {
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            return QStringLiteral("%1 must be 0 or 1").arg(key);
        return {};
    }
    if (value.size() > spt::kMaxTextLength)
        return QStringLiteral("%1 may hold at most %2 characters").arg(key).arg(spt::kMaxTextLength);
    if (!gbk::canEncode(value)) return QStringLiteral("GBK cannot hold the text of %1").arg(key);
    // The reader trims blanks and one pair of enclosing quotes.
    if (value != value.trimmed() || (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')))
        return QStringLiteral("%1 would not be read back as given (blanks or quotes around it)").arg(key);
    return {};
}

QString assignmentRefusal(const IniFile& ini, const QString& assignment, QString& section, QString& key,
                          QString& value) {
    const qsizetype dot = assignment.indexOf(u'.');
    const qsizetype equals = assignment.indexOf(u'=');
    if (dot <= 0 || equals <= dot + 1) return QStringLiteral("--set needs SECTION.KEY=VALUE, not '%1'").arg(assignment);
    section = assignment.left(dot);
    key = assignment.mid(dot + 1, equals - dot - 1);
    value = assignment.mid(equals + 1);
    if (!ini.hasSection(section))
        return QStringLiteral("--set %1: the template has no section [%2]").arg(assignment, section);
    if (!ini.hasKey(section, key) || isOneOf(key, kStructureKeys))
        return QStringLiteral("--set %1: the section [%2] has no key %3 to set").arg(assignment, section, key);
    if (const QString why = valueRefusal(key, value); !why.isEmpty())
        return QStringLiteral("--set %1: %2").arg(assignment, why);
    return {};
}
} // namespace

QString replaceTemplateValues(IniFile& ini, const QStringList& assignments) {
    IniFile replaced = ini;
    for (const QString& assignment : assignments) {
        QString section, key, value;
        if (const QString why = assignmentRefusal(replaced, assignment, section, key, value); !why.isEmpty())
            return why;
        replaced.writeString(section, key, value);
    }
    ini = replaced;
    return {};
}
