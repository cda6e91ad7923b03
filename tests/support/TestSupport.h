#pragma once
// Helpers shared by the tests.
#include "common/RegStore.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <optional>

// Maps the host faces to the installed Debian fonts, as the editor does.
void installTestFonts();

// An environment variable set (or, with no value, unset) for one test; the
// programs the test runs inherit it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

// A per-user store of the test's own: a file in a fresh temporary folder,
// gone with the object. It is handed to what the test builds wherever the
// program would hand over the user's store.
class ScopedStore {
public:
    ScopedStore() = default;
    QString path() const { return store_.filePath(); }
    QByteArray contents() const; // the store file's bytes, empty if none
    QString read(const QString& name, const QString& fallback) const { return store_.read(name, fallback); }
    QString write(const QString& name, const QString& text) const { return store_.write(name, text); }
    operator const RegStore&() const { return store_; }

private:
    QTemporaryDir dir_;
    RegStore store_{dir_.filePath(QStringLiteral("store.ini"))};
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
