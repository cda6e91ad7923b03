#pragma once
// Sending glyph payloads to the printer. One operation is one transaction:
// the link opens before the first frame and closes after the last frame or
// the first failure. Each payload is cut into chunks of 3072 bytes, every
// chunk a frame of its command (0xB8, 0xB9 or 0xBA) with the resolution
// number, the glyph height, the chunk count and the chunk number; the texts
// are those of the glyph exchange. A failed chunk ends the whole operation,
// later payloads included.
#include "link/Transaction.h"

#include "common/OperatorError.h"
#include <QByteArray>
#include <QList>

class LinkReporter;
class SerialPort;

struct GlyphPayload {
    quint8 command = 0;    // cmdStandardGlyphChunk, cmdGlyphRowChunk or cmdGlyphColumnChunk
    quint8 resolution = 0; // the resolution number of the frame
    quint8 height = 0;     // the glyph height in dots
    QByteArray bytes;
};

// A glyph operation refused before anything was sent; what() is the operator's text (UTF-8).
class GlyphRefused : public OperatorError {
public:
    using OperatorError::OperatorError;
};

// Throws GlyphRefused, before the port opens, when a payload would need more
// than 255 chunks. An empty payload sends no frame (the link still opens and
// closes). True when every chunk of every payload was acknowledged.
bool sendGlyphPayloads(SerialPort& port, LinkReporter& reporter, const QList<GlyphPayload>& payloads,
                       ReplyTiming timing);
