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

// A timeout longer than a test may run (ctest ends it after 300 s): a wait
// given it ends only through the event under test, so a fault shows as the
// test's timeout and no test bounds wall-clock time.
inline constexpr int kOnlyTheEventEndsTheWaitMs = 600000;

// "01 00 B3" -> bytes; and back, upper-case hex separated by blanks.
QByteArray hexBytes(const char* text);
QString toHex(const QByteArray& bytes);

// A small tmpfs mounted on a fresh temporary folder and filled to the brim, so
// that the next write of more than a few bytes meets "No space left on device".
// Mounting needs root; full() is false where the machine does not permit it.
class FullFileSystem {
public:
    // keep: a file written before the file system is filled (name, bytes).
    FullFileSystem(const QString& keepName, const QByteArray& keepBytes);
    ~FullFileSystem();
    bool full() const { return full_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool full_ = false;
};

// A file's bytes (empty when it cannot be read); a file written with bytes
// (a test failure when it cannot be).
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
