#include "FuzzSupport.h"

#include "common/FontSetup.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void startQt() {
    static QGuiApplication* app = nullptr;
    if (app) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "daviduv-fuzz";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
    installFontSubstitutions();
}

QString scratchFile(const QByteArray& bytes, const char* name) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        propertyFailed(QStringLiteral("cannot write the scratch file ") + path);
    return path;
}

void propertyFailed(const QString& what) {
    std::fprintf(stderr, "property failed: %s\n", what.toUtf8().constData());
    std::abort();
}
