#include "printsim/PrintPreview.h"

#include "common/MonoImage.h"
#include "printsim/FrameReader.h"
#include "printsim/MessagePrint.h"
#include "printsim/PrinterState.h"

namespace {
constexpr int kSerialKind = 2;
// Serial number field bytes: digits at 6, the start big-endian in 7..12, the
// direction at 13 (1 counts up) and the step at 14.
constexpr int kDigitsAt = 6, kStartAt = 7, kStartBytes = 6, kUpAt = 13, kStepAt = 14;
constexpr qint64 kStartRange = qint64(1) << (8 * kStartBytes);

qint64 rollOver(int digits) {
    qint64 range = 1;
    for (int i = 0; i < digits; ++i) range *= 10;
    return digits >= 1 && digits <= 14 ? range : kStartRange; // 10^14 is the last power of ten below 2^48
}

QString fieldValue(int kind, const StoredMessage& message, const QDateTime& at) {
    if (!message.fields[size_t(kind)]) return {};
    QString problem;
    const auto field = decodeField(kind, *message.fields[size_t(kind)], at, problem);
    return field ? field->text : QString();
}
} // namespace

StoredMessage countedOn(const StoredMessage& message, int prints) {
    StoredMessage counted = message;
    auto& bytes = counted.fields[kSerialKind];
    if (!bytes || bytes->size() <= kStepAt) return counted;
    qint64 start = 0;
    for (int i = 0; i < kStartBytes; ++i) start = (start << 8) | quint8(bytes->at(kStartAt + i));
    const qint64 step = quint8(bytes->at(kStepAt)) * (bytes->at(kUpAt) == 1 ? 1 : -1);
    const qint64 range = rollOver(quint8(bytes->at(kDigitsAt)));
    qint64 value = (start % range + (step % range) * (prints % range)) % range;
    if (value < 0) value += range;
    for (int i = kStartBytes - 1; i >= 0; --i, value >>= 8) (*bytes)[kStartAt + i] = char(value & 0xFF);
    return counted;
}

PrintPreview previewPrints(const QByteArray& frames, const QDateTime& at, int count) {
    PrintPreview preview;
    FrameReader reader;
    reader.feed(frames);
    PrinterState printer([at] { return at; });
    for (const ReadFrame& frame : reader.takeFrames()) {
        if (!frame.valid) {
            preview.problem = QStringLiteral("frame rejected: ") + frame.problem;
            return preview;
        }
        printer.apply(frame);
    }
    const StoredMessage* message = nullptr;
    for (const PrinterEvent& event : printer.takeEvents())
        if (event.kind == PrinterEvent::MessageReady) message = printer.message(event.templateNumber);
    if (!message) {
        preview.problem = QStringLiteral("the frames complete no message");
        return preview;
    }
    for (int i = 0; i < count; ++i) {
        const StoredMessage next = countedOn(*message, i);
        const PrintedMessage printed = printMessage(next, printer.now(), &printer.glyphStore());
        PreviewPrint print{printed.picture, {}, printed.problems};
        for (int kind = 0; kind < kVariableKindCount; ++kind) print.values[size_t(kind)] = fieldValue(kind, next, at);
        preview.prints << print;
    }
    return preview;
}

QImage stackPrints(const QList<PreviewPrint>& prints) {
    if (prints.size() == 1) return prints.first().picture;
    int width = 0, height = 0;
    for (const PreviewPrint& print : prints) {
        width = std::max(width, int(print.picture.width()));
        height += print.picture.height() + kPreviewGapRows;
    }
    if (prints.isEmpty() || width == 0) return QImage();
    QImage sheet = mono::create(width, height - kPreviewGapRows);
    int top = 0;
    for (const PreviewPrint& print : prints) {
        for (int y = 0; y < print.picture.height(); ++y)
            for (int x = 0; x < print.picture.width(); ++x)
                if (mono::dot(print.picture, x, y)) mono::setDot(sheet, x, top + y, true);
        top += print.picture.height() + kPreviewGapRows;
    }
    return sheet;
}
