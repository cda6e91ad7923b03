#pragma once
// The per-user store of string settings under the key path "\Software\Tessavo":
// a QSettings INI file. A program opens the user's store once when it starts
// and hands it to whatever reads or writes a setting; a test hands over a store
// of its own. A store is only its file's path, so a copy may go to a worker
// thread.
#include <QString>
#include <utility>

inline const QString kTessavoKey = QStringLiteral("\\Software\\Tessavo");

class RegStore {
public:
    // The user's store: the file DAVIDUV_STORE names, or by default
    //   $XDG_CONFIG_HOME/Tessavo/daviduv.ini   (usually ~/.config/Tessavo/daviduv.ini)
    static RegStore user();
    explicit RegStore(QString filePath) : path_(std::move(filePath)) {}

    const QString& filePath() const { return path_; }
    // The value as stored; the default when it is missing or only blanks.
    QString read(const QString& name, const QString& fallback, const QString& keyPath = kTessavoKey) const;
    // Stores the text, creating the file and the key when missing. Empty on
    // success, else why the store could not be written.
    QString write(const QString& name, const QString& text, const QString& keyPath = kTessavoKey) const;

private:
    QString path_;
};
