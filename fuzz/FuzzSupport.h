#pragma once
// What the fuzz targets share: a Qt application for fonts and pictures, a
// scratch file for readers that take a path, and a check that stops the run
// with a message when a property does not hold.
#include <QByteArray>
#include <QString>

// Starts an offscreen QGuiApplication with the editor's font mapping (once).
void startQt();

// A file in a private temporary folder holding bytes; the same path every call.
QString scratchFile(const QByteArray& bytes, const char* name = "input");

// Prints what and aborts, so libFuzzer keeps the input as a crash.
[[noreturn]] void propertyFailed(const QString& what);
#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition)) propertyFailed(what);                                                                        \
    } while (0)
