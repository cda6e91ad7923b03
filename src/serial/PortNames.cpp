#include "serial/PortNames.h"

#include "common/NumberText.h"

#include <QUrl>

QString portDevicePath(const QString& name) {
    if (name.size() > 3 && name.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0) {
        const QString digits = name.mid(3);
        const std::optional<int> n = decimalInRange(digits, 1, 256);
        if (n && !digits.startsWith(u'0') && !digits.startsWith(u'+')) return QStringLiteral("/dev/ttyS%1").arg(*n - 1);
    }
    return name;
}

std::optional<NetworkAddress> networkAddress(const QString& name) {
    if (!name.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive)) return std::nullopt;
    const QUrl url(name, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.port() < 1 || !url.path().isEmpty() || url.hasQuery() ||
        url.hasFragment() || !url.userInfo().isEmpty())
        return std::nullopt;
    return NetworkAddress{url.host(), quint16(url.port())};
}
