#pragma once
// What a send puts into the printer, worked out from the template without any
// port: the background picture and the settings bytes of the variable fields.
#include "model/MessageTemplate.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <array>
#include <optional>

inline constexpr int kPrintHeight = 128; // the printer's strip is always 128 dots high

// The four variable kinds in the order they are sent.
inline constexpr std::array<eStyle, 4> kVariableKinds{csDate, csPeriod, csNo, csRunNo};

struct RenderedMessage {
    QImage background; // width x 128, 1 bit: barcodes, pictures, strings and lead texts
    // Field bytes of each variable kind (kVariableKinds order); none when the kind is absent.
    std::array<std::optional<QByteArray>, 4> fields;
};

// Draws elements 0..64 in number order into a white width x 128 background and
// collects the settings of the variable fields (the highest number of a kind
// wins). Throws SendRefused for a serial start value that is no decimal number.
RenderedMessage renderMessage(const MessageTemplate& message, int width);

// Everything one send transmits.
struct MessagePlan {
    quint8 moBan = 1;
    quint8 resolution = 0;
    QImage scaled;     // W' x 128
    QByteArray packed; // W' x 16 bytes
    std::array<std::optional<QByteArray>, 4> fields;
};

struct SendSettings {
    int width = 512;
    int moBan = 1;
    QString resolution = QStringLiteral("200dpi");
    QStringList dpiList{QStringLiteral("200dpi")};
    int widthMode = 1;
};

// Renders, scales for the resolution and packs. Throws SendRefused, before
// anything is sent, for a resolution text with no whole number, a serial start
// value that is no decimal number, or a background of more than 255 chunks.
MessagePlan planMessage(const MessageTemplate& message, const SendSettings& settings);
