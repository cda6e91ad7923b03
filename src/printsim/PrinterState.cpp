#include "printsim/PrinterState.h"

namespace {
QString hexByte(quint8 byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

constexpr int kChunkHeader = 4; // first and second parameter, N, S
} // namespace

std::optional<int> unpackDecimal(quint8 byte) {
    const int high = byte >> 4, low = byte & 0x0F;
    if (high > 9 || low > 9) return std::nullopt;
    return high * 10 + low;
}

PrinterState::PrinterState(HostClock hostClock) : hostClock_(std::move(hostClock)) {}

QDateTime PrinterState::hostNow() const {
    return hostClock_ ? hostClock_() : QDateTime::currentDateTime();
}

QDateTime PrinterState::now() const {
    if (!clock_) return hostNow();
    return clock_->addMSecs(hostWhenSet_.msecsTo(hostNow()));
}

QList<PrinterEvent> PrinterState::takeEvents() {
    QList<PrinterEvent> events;
    events.swap(events_);
    return events;
}

QString PrinterState::apply(const ReadFrame& frame) {
    const QByteArray& p = frame.payload;
    switch (frame.command) {
    case 0xB2: return applyClock(p);
    case 0xB3: ++queries_; return QStringLiteral("query");
    case 0xBE:
        if (p.size() != 1) return QStringLiteral("erase with %1 payload bytes ignored").arg(p.size());
        erased_.append(quint8(p[0]));
        return QStringLiteral("erase segment %1").arg(quint8(p[0]));
    case 0xB1: return applyBackground(p);
    case 0xB8:
    case 0xB9:
    case 0xBA: return applyGlyph(frame);
    case 0xC1:
    case 0xC2:
    case 0xC3:
    case 0xC4:
    case 0xC5: return applySettings(frame.command, p);
    default: return QStringLiteral("unknown command ") + hexByte(frame.command);
    }
}

QString PrinterState::applyClock(const QByteArray& p) {
    int v[7] = {};
    for (int i = 0; i < 7; ++i) {
        const std::optional<int> d = i < p.size() ? unpackDecimal(quint8(p[i])) : std::nullopt;
        if (p.size() != 7 || !d) return QStringLiteral("clock bytes not packed decimal");
        v[i] = *d;
    }
    const QDateTime when(QDate(v[0] * 100 + v[1], v[2], v[3]), QTime(v[4], v[5], v[6]));
    if (!when.isValid()) return QStringLiteral("clock not a valid date and time");
    clock_ = when;
    hostWhenSet_ = hostNow();
    return QStringLiteral("clock ") + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString PrinterState::applyBackground(const QByteArray& p) {
    if (p.size() < kChunkHeader) return QStringLiteral("chunk too short");
    const BackgroundChunk chunk{quint8(p[0]), quint8(p[1]), quint8(p[2]), quint8(p[3]), p.mid(kChunkHeader)};
    const BackgroundAssembler::Outcome outcome = assembler_.add(chunk);
    if (outcome.done) {
        book_.startMessage(outcome.done->templateNumber, outcome.done->resolution, outcome.done->bytes);
        events_.append({PrinterEvent::BackgroundReady, outcome.done->templateNumber});
    }
    return outcome.note;
}

QString PrinterState::applySettings(quint8 command, const QByteArray& p) {
    const MessageBook::Outcome outcome = book_.applySettings(command, p);
    if (outcome.complete) events_.append({PrinterEvent::MessageReady, outcome.templateNumber});
    return outcome.note;
}

QString PrinterState::applyGlyph(const ReadFrame& frame) {
    const QByteArray& p = frame.payload;
    if (p.size() < kChunkHeader) return QStringLiteral("chunk too short");
    ChunkRecord c{frame.command, quint8(p[0]), quint8(p[1]), quint8(p[2]), quint8(p[3]), p.mid(kChunkHeader)};
    glyphs_.append(c);
    const GlyphStore::Outcome outcome = glyphStore_.add({c.command, c.first, c.second, c.count, c.number, c.data});
    if (outcome.done) events_.append({PrinterEvent::GlyphsReady, outcome.done->height});
    return outcome.note;
}
