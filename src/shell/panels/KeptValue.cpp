#include "shell/panels/KeptValue.h"

#include "common/OperatorError.h"

#include <QCoreApplication>

namespace {
// A Latin label ("X") is set off from the Chinese that follows it.
QString subject(const QString& label) {
    return !label.isEmpty() && label.back().unicode() < 0x80 ? label + QChar(' ') : label;
}
} // namespace

int keptValue(const QString& label, const IntegerKey& key, int value) {
    if (spt::keeps(key, value)) return value;
    throw OperatorError(QCoreApplication::translate("KeptValue", "%1必须在 %2 到 %3 之间")
                            .arg(subject(label))
                            .arg(key.low)
                            .arg(key.high));
}

const QString& keptText(const QString& label, const QString& text) {
    if (text.size() <= spt::kMaxTextLength) return text;
    throw OperatorError(
        QCoreApplication::translate("KeptValue", "%1不能超过 %2 个字符").arg(subject(label)).arg(spt::kMaxTextLength));
}
