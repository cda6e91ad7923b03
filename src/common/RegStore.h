#pragma once
// The per-user store of string settings under the key path "\Software\Tessavo".
// It is a QSettings INI file; by default
//   $XDG_CONFIG_HOME/Tessavo/daviduv.ini   (usually ~/.config/Tessavo/daviduv.ini)
// and the environment variable DAVIDUV_STORE, or RegStore::setFilePath, names
// another file (tests point it at a temporary folder).
#include <QString>

inline const QString kTessavoKey = QStringLiteral("\\Software\\Tessavo");

namespace RegStore {
QString filePath();
void setFilePath(const QString& path); // empty: back to the default
} // namespace RegStore

// The value as stored; the default when it is missing or only blanks.
QString readRegString(const QString& name, const QString& fallback, const QString& keyPath = kTessavoKey);
// Stores the text, creating the key when missing. Empty on success, else why
// the store could not be written.
QString writeRegString(const QString& name, const QString& text, const QString& keyPath = kTessavoKey);
