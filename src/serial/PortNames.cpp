#include "serial/PortNames.h"

#include "common/SharedRoutines.h"

QString portDevicePath(const QString& name) {
    if (name.size() > 3 && name.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0) {
        const QString digits = name.mid(3);
        const std::optional<int> n = decimalInRange(digits, 1, 256);
        if (n && !digits.startsWith(u'0') && !digits.startsWith(u'+'))
            return QStringLiteral("/dev/ttyS%1").arg(*n - 1);
    }
    return name;
}
