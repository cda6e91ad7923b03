#pragma once
// Helpers shared by the tests.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Maps the host faces to the installed Debian fonts, as the editor does.
void installTestFonts();

// Points the per-user store at a file in a fresh temporary folder for the
// life of the object.
class ScopedStore {
public:
    ScopedStore();
    ~ScopedStore();
    QString path() const;
    QByteArray contents() const; // the store file's bytes, empty if none

private:
    QTemporaryDir dir_;
};

// "01 00 B3" -> bytes; and back, upper-case hex separated by blanks.
QByteArray hexBytes(const char* text);
QString toHex(const QByteArray& bytes);
