#include "model/FieldKind.h"

#include <QCoreApplication>

namespace {

struct KindNames {
    const char* word;
    const char* hint;
};

// Indexed by eStyle.
constexpr std::array<KindNames, kFieldKindCount> kNames{{
    {"csBarCode", QT_TRANSLATE_NOOP("FieldKind", "条形码")},
    {"csImage", QT_TRANSLATE_NOOP("FieldKind", "图像")},
    {"csStr", QT_TRANSLATE_NOOP("FieldKind", "字符串")},
    {"csDate", QT_TRANSLATE_NOOP("FieldKind", "时间")},
    {"csPeriod", QT_TRANSLATE_NOOP("FieldKind", "有效期")},
    {"csNo", QT_TRANSLATE_NOOP("FieldKind", "序号")},
    {"csRunNo", QT_TRANSLATE_NOOP("FieldKind", "班次")},
}};

bool inRange(eStyle kind) {
    return static_cast<int>(kind) < kFieldKindCount;
}

} // namespace

QString kindWord(eStyle kind) {
    return inRange(kind) ? QString::fromLatin1(kNames[kind].word) : QString();
}

std::optional<eStyle> kindFromWord(const QString& text) {
    for (eStyle kind : kAllFieldKinds)
        if (text == QLatin1String(kNames[kind].word)) return kind;
    return std::nullopt;
}

QString kindHint(eStyle kind) {
    return inRange(kind) ? QCoreApplication::translate("FieldKind", kNames[kind].hint) : QString();
}

QString fieldCaption(eStyle kind, int x, int y) {
    return QCoreApplication::translate("FieldKind", "%1（X %2，Y %3）").arg(kindHint(kind)).arg(x).arg(y);
}

bool isVariableKind(eStyle kind) {
    return kind == csDate || kind == csPeriod || kind == csNo || kind == csRunNo;
}

const VariableFieldDefaults& variableFieldDefaults(eStyle kind) {
    static constexpr VariableFieldDefaults kDefaults[] = {
        {csDate, "生产日期：", "A1", "A1"},
        {csPeriod, "有效期：", "A1", "A1"},
        {csNo, "序号：", "00000001", "1"},
        {csRunNo, "班次：", "A", "1"},
    };
    for (const auto& d : kDefaults)
        if (d.kind == kind) return d;
    return kDefaults[3];
}
