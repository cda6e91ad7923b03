#pragma once
// Helpers of the model tests: expected pictures kept as text (and the fixed clock).
#include "support/FixedClock.h"

#include <QImage>
#include <QString>
#include <ostream>

// Lets GoogleTest print texts in traces and failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Folder of the model's test data.
QString modelDataPath(const QString& name);

// Compares a 1-bit picture with the expected picture kept as '#'/'.' text in
// the model's test data. With DAVIDUV_WRITE_EXPECTED set, writes the file (and
// a PNG beside it, for looking at) instead and fails, so a new expectation is
// never accepted silently. Returns an empty text on a match, else what differs.
QString compareWithExpected(const QImage& actual, const QString& name);

// The first dot where the pictures differ, or an empty text when they are equal.
QString firstDifference(const QImage& actual, const QImage& expected);

// True when row 0, the last row, column 0 and the last column are all dots.
bool hasFrame(const QImage& picture);
// Number of dots inside the frame.
int interiorDots(const QImage& picture);
