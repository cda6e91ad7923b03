#pragma once
// A message as the printer holds it for one template number: the packed
// background (columns of 16 bytes) and the field bytes of the four variable
// kinds, in the order date, expiry, serial number, shift.
#include <QByteArray>
#include <array>
#include <optional>

inline constexpr int kVariableKindCount = 4;

struct StoredMessage {
    int templateNumber = 0;
    int resolution = 0;
    QByteArray background;
    // Field bytes after the template and resolution numbers; none when the
    // kind is absent.
    std::array<std::optional<QByteArray>, kVariableKindCount> fields;
};
