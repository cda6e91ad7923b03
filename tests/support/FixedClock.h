#pragma once
// Fixes the clock of the field previews (dates, expiry dates, shifts) for the
// life of the object, so a test's expected texts do not follow the calendar.
#include "model/DateStyles.h"

#include <QDateTime>

class FixedClock {
public:
    explicit FixedClock(const QDateTime& now) : before_(setFieldClock([now] { return now; })) {}
    ~FixedClock() { setFieldClock(before_); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    FieldClock before_;
};
