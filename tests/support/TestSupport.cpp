#include "support/TestSupport.h"

#include "common/FontSetup.h"
#include "common/RegStore.h"

#include <QFile>

void installTestFonts() {
    installFontSubstitutions();
}

ScopedStore::ScopedStore() {
    RegStore::setFilePath(path());
}

ScopedStore::~ScopedStore() {
    RegStore::setFilePath({});
}

QString ScopedStore::path() const {
    return dir_.filePath(QStringLiteral("store.ini"));
}

QByteArray ScopedStore::contents() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray hexBytes(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QString toHex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
