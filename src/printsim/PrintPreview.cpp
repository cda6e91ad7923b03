#include "printsim/PrintPreview.h"

#include "common/MonoImage.h"
#include "printsim/ColumnBits.h"
#include "printsim/FrameReader.h"
#include "printsim/MessagePrint.h"
#include "printsim/PrinterState.h"

#include <cstring>

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

namespace {
// A sheet for `count` prints of the background, each band already holding
// the background's rows and the gaps white; every byte is written once.
QImage sheetOfBackgrounds(const QImage& background, int count) {
    const int band = background.height() + kPreviewGapRows;
    QImage sheet(background.width(), count * band - kPreviewGapRows, QImage::Format_Mono);
    if (sheet.isNull()) return sheet;
    mono::applyColorTable(sheet);
    for (int i = 0; i < count; ++i) {
        copyRows(sheet, i * band, background);
        for (int y = i * band + background.height(); y < std::min((i + 1) * band, sheet.height()); ++y)
            std::memset(sheet.scanLine(y), 0, size_t(sheet.bytesPerLine()));
    }
    return sheet;
}

// The band of print `index` as a picture of its own that draws straight into the sheet's rows.
QImage bandOf(QImage& sheet, int index) {
    QImage band(sheet.scanLine(index * (kPrintRows + kPreviewGapRows)), sheet.width(), kPrintRows, sheet.bytesPerLine(),
                QImage::Format_Mono);
    mono::applyColorTable(band);
    return band;
}
} // namespace

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
    const QImage background = unpackColumns(message->background);
    if (!background.isNull()) preview.sheet = sheetOfBackgrounds(background, count);
    for (int i = 0; i < count; ++i) {
        const StoredMessage next = countedOn(*message, i);
        PreviewPrint print;
        if (preview.sheet.isNull()) {
            print.problems = printMessage(next, printer.now(), &printer.glyphStore()).problems;
        } else {
            QImage band = bandOf(preview.sheet, i);
            print.problems = printFields(band, next, printer.now(), &printer.glyphStore());
        }
        for (int kind = 0; kind < kVariableKindCount; ++kind) print.values[size_t(kind)] = fieldValue(kind, next, at);
        preview.prints << print;
    }
    return preview;
}

QImage printPicture(const PrintPreview& preview, int index) {
    return preview.sheet.copy(0, index * (kPrintRows + kPreviewGapRows), preview.sheet.width(), kPrintRows);
}
