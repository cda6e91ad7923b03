#include "serial/PortNames.h"

QString portDevicePath(const QString& name) {
    if (name.size() > 3 && name.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0) {
        const QStringView digits = QStringView(name).mid(3);
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (ok && n >= 1 && n <= 256 && !digits.startsWith(u'0') && !digits.startsWith(u'+'))
            return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    return name;
}
