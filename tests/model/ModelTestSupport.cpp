#include "ModelTestSupport.h"

#include "common/MonoImage.h"

#include <QFile>

QString modelDataPath(const QString& name) {
    return QStringLiteral(DAVIDUV_TEST_DATA "/model/") + name;
}

QString firstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (mono::dot(actual, x, y) != mono::dot(expected, x, y))
                return QStringLiteral("dot (%1, %2) differs").arg(x).arg(y);
    return QString();
}

QString compareWithExpected(const QImage& actual, const QString& name) {
    const QString path = modelDataPath(name);
    if (qEnvironmentVariableIsSet("DAVIDUV_WRITE_EXPECTED")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write ") + path;
        file.write(mono::toText(actual).toLatin1());
        actual.save(path + QStringLiteral(".png"));
        return QStringLiteral("written ") + path;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("missing ") + path;
    return firstDifference(actual, mono::fromText(QString::fromLatin1(file.readAll())));
}

bool hasFrame(const QImage& p) {
    const int w = p.width();
    const int h = p.height();
    for (int x = 0; x < w; ++x)
        if (!mono::dot(p, x, 0) || !mono::dot(p, x, h - 1)) return false;
    for (int y = 0; y < h; ++y)
        if (!mono::dot(p, 0, y) || !mono::dot(p, w - 1, y)) return false;
    return true;
}

int interiorDots(const QImage& p) {
    int count = 0;
    for (int y = 1; y < p.height() - 1; ++y)
        for (int x = 1; x < p.width() - 1; ++x) count += mono::dot(p, x, y) ? 1 : 0;
    return count;
}
