#pragma once
// A clock that always says the same time, for a template whose date and
// expiry previews must not follow the calendar while a test runs.
#include "model/DateStyles.h"

#include <QDateTime>

inline FieldClock fixedClock(const QDateTime& now) {
    return [now] { return now; };
}
